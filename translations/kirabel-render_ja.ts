<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>kirabel::cli</name>
    <message>
        <location filename="../src/cli/command_line.cpp" line="+18"/>
        <source>Usage: kirabel-render [options] FILE.pcl
Renders the first launch of a particle list file, frame by frame, as the
desktop program&apos;s automatic saving writes it.

  -o, --output PREFIX    frame i is written to PREFIX + %05d + &quot;.BMP&quot;
                         (PREFIX&apos;s extension removed; default: FILE without
                         its extension)
  -s, --size WxH         space resolution, default 512x512 (0..9999 each)
      --antialias        anti-aliasing on
      --wrap             join the space&apos;s opposite edges
      --frames N         override the number of frames NF
      --start T          override the start time ST
      --interval T       override the interval IT
      --gravity G        override the gravity G
      --look L           classic (the saturating picture) or film (light that
                         keeps its colour, glow, sky); default: the list&apos;s look
      --exposure STOPS   the film light&apos;s exposure, -10 to 10 (+1 doubles it)
      --glow STRENGTH    how much bright light glows, 0 (none) to 4
      --background B     the sky: a photo (PNG, JPEG), a colour (#102040 or a
                         name) or two (top,bottom: a gradient); --exposure,
                         --glow and --background turn the film look on
                         unless --look says otherwise
      --format F         bmp (default), png, png16 (the space&apos;s exact 16-bit
                         values), exr (linear light, half floats, premultiplied
                         alpha), or one animation file: gif, apng, webm, mp4,
                         mov (ProRes 4444) (also chosen by the output&apos;s
                         extension; needs ffmpeg)
      --alpha            transparency instead of the sky: straight colour and
                         coverage, for png, png16, apng, webm and mov
      --quality Q        webm and mp4: 0 (smallest) to 100 (best); default: the
                         format&apos;s usual quality
      --chroma C         webm and mp4: 420 (default, plays everywhere) or 444
                         (every pixel its own colour, 10 bits)
      --fullest          write only the frame with the most light (the largest
                         sum of its picture&apos;s bytes, the first of equal ones)
                         to the output file itself: PNG, or BMP for --format
                         bmp or an output ending in .bmp, or png16 (default
                         output: FILE with the extension .png or .bmp)
      --long-exposure [MODE]  stack the frames (of the range) into one
                         picture, written as --fullest writes its frame; MODE
                         add (default): their light added up, then developed
                         once; lighten: each pixel&apos;s brightest of the frames
      --fps R            frames per second of an animation, 1 to 1000: a whole
                         number, a decimal (29.97) or N/D (30000/1001);
                         default: the list&apos;s FPS, else 30
      --audio FILE       the soundtrack of a WebM, MP4 or MOV animation (ignored
                         by the other formats); default: the list&apos;s AUDIO
      --audio-offset S   the video time in seconds at which the soundtrack&apos;s
                         first sample plays (negative skips its beginning);
                         default: the list&apos;s AUDIOOFFSET, else 0
      --no-audio         an animation without sound
      --max-particles N  refuse when the estimated particle count reaches N
      --jobs N           worker threads (default: all cores)
      --range A-B        frames A..B only (numbered as the files are)
      --shard I/N        the I-th of N contiguous chunks of the frames (of the
                         range); any split writes the same files as one run
      --skip-existing    leave the frames whose files exist already
      --dry-run          print what would be rendered and exit
  -q, --quiet            no progress on stderr
  -h, --help             this text
      --version          the program version

Exit status: 0 done; 1 the file could not be read or a frame not written;
2 bad command line.
</source>
        <translation>使い方: kirabel-render [オプション] ファイル.pcl
パーティクルリストファイルの最初の打ち上げを、デスクトップ版の自動保存と
同じように 1 コマずつ描いてファイルに書き出します。

  -o, --output PREFIX    第 i コマを PREFIX + %05d + &quot;.BMP&quot; に書き出す
                         (PREFIX の拡張子は除く。既定値: ファイルから拡張子を
                         除いたもの)
  -s, --size WxH         空間解像度。既定値 512x512 (それぞれ 0..9999)
      --antialias        アンチエイリアシングを使う
      --wrap             空間の上下・左右をつなげる
      --frames N         出力コマ数 NF を上書きする
      --start T          開始時間 ST を上書きする
      --interval T       出力間隔 IT を上書きする
      --gravity G        重力 G を上書きする
      --look L           classic (飽和する従来の絵) か film (色を保つ光、グロー、
                         空)。既定値: リストの見え方
      --exposure STOPS   フィルムの光の露出。-10 から 10 (+1 で 2 倍)
      --glow STRENGTH    明るい光がにじむ強さ。0 (なし) から 4
      --background B     空: 写真 (PNG、JPEG)、色 (#102040 か色の名前)、または
                         2 色 (上,下: グラデーション)。--look で指定しない限り
                         --exposure、--glow、--background はフィルムの見え方にする
      --format F         bmp (既定値)、png、png16 (空間の 16 ビット値そのまま)、
                         exr (リニアな光、半精度浮動小数点、アルファを掛けた形)、
                         またはアニメーション 1 ファイル: gif、apng、webm、mp4、
                         mov (ProRes 4444) (出力先の拡張子でも選べる。ffmpeg が必要)
      --alpha            空の代わりに透明にする: ストレートな色と被覆率。png、
                         png16、apng、webm、mov で使える
      --quality Q        webm と mp4: 0 (いちばん小さい) から 100 (いちばんきれい)。
                         既定値: 形式ごとのふだんの画質
      --chroma C         webm と mp4: 420 (既定値、どこでも再生できる) か 444
                         (画素ごとに色を持つ、10 ビット)
      --fullest          いちばん明るいコマ (絵のバイトの合計が最大のもの。同じなら
                         最初のもの) だけを出力先のファイルそのものに書き出す。
                         PNG (--format bmp か出力先が .bmp で終わるときは BMP、
                         または png16)。既定の出力先: ファイルの拡張子を .png か
                         .bmp にしたもの
      --long-exposure [MODE]  (範囲内の) コマを重ねて 1 枚の絵にし、--fullest と
                         同じように書き出す。MODE は add (既定値): 光を足し合わせて
                         から 1 回だけ現像する、lighten: 画素ごとにいちばん明るい
                         コマの値を取る
      --fps R            アニメーションの毎秒コマ数。1 から 1000 までの整数、
                         小数 (29.97) または N/D (30000/1001)。既定値: リストの FPS、なければ 30
      --audio FILE       WebM、MP4、MOV のアニメーションのサウンドトラック
                         (ほかの形式では使わない)。既定値: リストの AUDIO
      --audio-offset S   サウンドトラックの最初のサンプルが鳴る動画の時刻 (秒)
                         (負の値ならその分だけ先頭を飛ばす)。既定値: リストの AUDIOOFFSET、なければ 0
      --no-audio         音のないアニメーションにする
      --max-particles N  見積もった粒子数が N に達したら描かない
      --jobs N           作業スレッドの数 (既定値: すべてのコア)
      --range A-B        第 A..B コマだけ (番号はファイル名と同じ)
      --shard I/N        (範囲内の) コマを N 個の連続した塊に分けた I 番目。
                         どう分けても 1 回で描いたときと同じファイルになる
      --skip-existing    ファイルがすでにあるコマは描かない
      --dry-run          何を描くかを表示して終わる
  -q, --quiet            標準エラー出力に進み具合を表示しない
  -h, --help             この説明
      --version          プログラムのバージョン

終了ステータス: 0 完了、1 ファイルを読めないかコマを書き出せない、
2 コマンドラインの誤り。
</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>--%1: not a number: %2</source>
        <translation>--%1: 数値ではありません: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>--range: expected A-B with 1 &lt;= A &lt;= B: %1</source>
        <translation>--range: 1 &lt;= A &lt;= B の A-B を指定してください: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--shard: expected I/N with 1 &lt;= I &lt;= N: %1</source>
        <translation>--shard: 1 &lt;= I &lt;= N の I/N を指定してください: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>--fullest: expected --format bmp, png or png16: %1</source>
        <translation>--fullest: --format には bmp、png、png16 のいずれかを指定してください: %1</translation>
    </message>
    <message>
        <source>--long-exposure: expected --format bmp, png or png16: %1</source>
        <translation>--long-exposure: --format には bmp、png、png16 のいずれかを指定してください: %1</translation>
    </message>
    <message>
        <source>--look: expected classic or film: %1</source>
        <translation>--look: classic か film を指定してください: %1</translation>
    </message>
    <message>
        <source>--%1: expected %2 to %3: %4</source>
        <translation>--%1: %2 から %3 までの値を指定してください: %4</translation>
    </message>
    <message>
        <source>--background: neither a picture file nor a colour such as #102040: %1</source>
        <translation>--background: 画像ファイルでも #102040 のような色でもありません: %1</translation>
    </message>
    <message>
        <source>the sky photo %1 cannot be read</source>
        <translation>空の写真 %1 を読み込めません</translation>
    </message>
    <message>
        <source>--long-exposure: expected add or lighten: %1</source>
        <translation>--long-exposure: add か lighten を指定してください: %1</translation>
    </message>
    <message>
        <source>--long-exposure cannot go with %1</source>
        <translation>--long-exposure は %1 と一緒に使えません</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>--format: expected bmp, png, png16, exr, gif, apng, webm, mp4 or mov: %1</source>
        <translation>--format: bmp、png、png16、exr、gif、apng、webm、mp4、mov のいずれかを指定してください: %1</translation>
    </message>
    <message>
        <source>--alpha: expected --format png, png16, exr, apng, webm or mov</source>
        <translation>--alpha: --format には png、png16、exr、apng、webm、mov のいずれかを指定してください</translation>
    </message>
    <message>
        <source>--quality: expected 0 to 100 with --format webm or mp4: %1</source>
        <translation>--quality: --format webm か mp4 とともに 0 から 100 までを指定してください: %1</translation>
    </message>
    <message>
        <source>--chroma: expected 420 or 444 with --format webm or mp4: %1</source>
        <translation>--chroma: --format webm か mp4 とともに 420 か 444 を指定してください: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--fps: expected a rate from 1 to 1000 frames per second, such as 30, 29.97 or 30000/1001: %1</source>
        <translation>--fps: 毎秒 1 から 1000 コマまでのレートを 30、29.97、30000/1001 のように指定してください: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--size: expected WxH with 0..9999 each: %1</source>
        <translation>--size: それぞれ 0..9999 の WxH を指定してください: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--max-particles: expected a whole number &gt;= 0</source>
        <translation>--max-particles: 0 以上の整数を指定してください</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--jobs: expected a whole number from 1 to 1024</source>
        <translation>--jobs: 1 から 1024 までの整数を指定してください</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>no PCL file given</source>
        <translation>PCL ファイルが指定されていません</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>more than one PCL file given</source>
        <translation>PCL ファイルが 2 つ以上指定されています</translation>
    </message>
    <message>
        <location filename="../src/cli/dry_run.cpp" line="+21"/>
        <source> (hidden)</source>
        <translation> (非表示)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>size: %1x%2</source>
        <translation>大きさ: %1x%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> antialias</source>
        <translation> アンチエイリアシング</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> wrap</source>
        <translation> 上下・左右をつなげる</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>output: %1
</source>
        <translation>出力: %1
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>output: %1 .. %2
</source>
        <translation>出力: %1 .. %2
</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>file: %1
</source>
        <translation>ファイル: %1
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sets: %1
</source>
        <translation>セット数: %1
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>visible sets: %1
</source>
        <translation>表示するセット数: %1
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>particles: %1
</source>
        <translation>粒子数: %1
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>launched sets: %1
</source>
        <translation>打ち上げるセット数: %1
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>frames: %1
</source>
        <translation>コマ数: %1
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>start: %1  interval: %2  gravity: %3
</source>
        <translation>開始時間: %1  出力間隔: %2  重力: %3
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>selected: %1-%2
</source>
        <translation>描くコマ: %1-%2
</translation>
    </message>
    <message>
        <location filename="../src/texts/command_line_error_texts.cpp" line="+18"/>
        <source>the encoder ffmpeg cannot be started; install ffmpeg to write %1 files</source>
        <translation>エンコーダ ffmpeg を起動できません。%1 ファイルを書き出すには ffmpeg をインストールしてください</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot make an animation of a %1 space: it needs at least 1x1 pixels</source>
        <translation>%1 の空間からはアニメーションを作れません。1x1 ピクセル以上が必要です</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the encoder ffmpeg stopped</source>
        <translation>エンコーダ ffmpeg が止まりました</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the encoder ffmpeg failed on %1</source>
        <translation>エンコーダ ffmpeg が %1 の作成に失敗しました</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the soundtrack %1 does not exist</source>
        <translation>サウンドトラック %1 がありません</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the soundtrack %1 holds no sound that can be decoded</source>
        <translation>サウンドトラック %1 から音を読み取れません</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>frame %1 not written: %2</source>
        <translation>第 %1 コマを書き出せません: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="+79"/>
        <source>frame %1  %2/%3 done  %4 frames/s  %5 s left   </source>
        <translation>第 %1 コマ  %2/%3 完了  毎秒 %4 コマ  残り %5 秒   </translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1 particles do not fit into this machine&apos;s memory</source>
        <translation>粒子 %1 個はこのマシンのメモリに収まりません</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1: cannot be read as a PCL file</source>
        <translation>%1: PCL ファイルとして読めません</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1: the launch has no frame to choose from</source>
        <translation>%1: 打ち上げに選べるコマがありません</translation>
    </message>
    <message>
        <source>%1: the launch has no frame to stack</source>
        <translation>%1: 打ち上げに重ねるコマがありません</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1: the file holds no particle sets</source>
        <translation>%1: パーティクルがありません</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 particles reach the limit --max-particles %2</source>
        <translation>粒子数 %1 が上限 --max-particles %2 に達しています</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Try &apos;kirabel-render --help&apos;.
</source>
        <translation>&apos;kirabel-render --help&apos; で使い方を表示します。
</translation>
    </message>
</context>
</TS>
