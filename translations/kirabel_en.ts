<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>kirabel::AboutDialog</name>
    <message>
        <location filename="../src/ui/about_dialog.cpp" line="+22"/>
        <source>あばうと</source>
        <translation>About</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>花火を描くプログラム</source>
        <translation>A program that draws fireworks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thank you for your downloading...</source>
        <translation>Thank you for downloading!</translation>
    </message>
</context>
<context>
    <name>kirabel::AnimationExport</name>
    <message>
        <location filename="../src/ui/animation_export.cpp" line="+12"/>
        <source>アニメーションを書き出しています...</source>
        <translation>Exporting the animation...</translation>
    </message>
    <message>
        <source>長時間露光を書き出しています...</source>
        <translation>Exporting the long exposure...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kirabel::ChildSetModel</name>
    <message>
        <location filename="../src/ui/child_set_model.cpp" line="+12"/>
        <source>(なし)</source>
        <translation>(none)</translation>
    </message>
</context>
<context>
    <name>kirabel::ErrorTexts</name>
    <message>
        <location filename="../src/platform/errors.h" line="+13"/>
        <source>%1 に書き込めません</source>
        <translation>%1 cannot be written</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ﾒﾓﾘが足りません</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>変なファイルを指定しちゃだめ</source>
        <translation>That is not a particle list file.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>対応していないビットデプスです</source>
        <translation>Unsupported bit depth</translation>
    </message>
    <message>
        <location filename="../src/document/shell_thumbnails.cpp" line="+30"/>
        <source>この花火玉の打ち上げにはフレームがありません</source>
        <translation>This shell&apos;s launch has no frames</translation>
    </message>
    <message>
        <location filename="../src/platform/io_error.cpp" line="+10"/>
        <source>ﾌｧｲﾙが見つかりません</source>
        <translation>File not found</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>不正なﾌｧｲﾙ名です</source>
        <translation>Invalid file name</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ﾌｧｲﾙへのｱｸｾｽが拒否されました</source>
        <translation>Access to the file was denied</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ﾃﾞｨｽｸがいっぱいです</source>
        <translation>The disk is full</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I/O ｴﾗｰ (%1)</source>
        <translation>I/O error (%1)</translation>
    </message>
    <message>
        <source>空の写真 %1 を読み込めません</source>
        <translation>The sky photo %1 cannot be read</translation>
    </message>
</context>
<context>
    <name>kirabel::ExportDialog</name>
    <message>
        <location filename="../src/ui/export_dialog.cpp" line="+36"/>
        <source>アニメーションを書き出す</source>
        <translation>Export Animation</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>参照(&amp;B)...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>形式</source>
        <translation>Format</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>毎秒のフレーム数</source>
        <translation>Frames per second</translation>
    </message>
    <message>
        <source>OpenEXR (連番)</source>
        <translation>OpenEXR (numbered frames)</translation>
    </message>
    <message>
        <source>透明 (アルファ)</source>
        <translation>Transparent (alpha)</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>Usual</translation>
    </message>
    <message>
        <source>画質</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>色の細かさ</source>
        <translation>Chroma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最初のフレーム</source>
        <translation>First frame</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最後のフレーム</source>
        <translation>Last frame</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ファイル名</source>
        <translation>File name</translation>
    </message>
</context>
<context>
    <name>kirabel::LongExposureDialog</name>
    <message>
        <source>長時間露光で書き出す</source>
        <translation>Export Long Exposure</translation>
    </message>
    <message>
        <source>加算 (光を足し合わせる)</source>
        <translation>Add (the light adds up)</translation>
    </message>
    <message>
        <source>比較明 (明るい方を残す)</source>
        <translation>Lighten (the brightest stays)</translation>
    </message>
    <message>
        <source>PNG (16 ビット)</source>
        <translation>PNG (16-bit)</translation>
    </message>
    <message>
        <source>参照(&amp;B)...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>重ね方</source>
        <translation>Stacking</translation>
    </message>
    <message>
        <source>形式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>最初のフレーム</source>
        <translation>First frame</translation>
    </message>
    <message>
        <source>最後のフレーム</source>
        <translation>Last frame</translation>
    </message>
    <message>
        <source>ファイル名</source>
        <translation>File name</translation>
    </message>
</context>
<context>
    <name>kirabel::ExportTexts</name>
    <message>
        <location filename="../src/texts/window_error_texts.cpp" line="+15"/>
        <source>エンコーダ ffmpeg を起動できません。%1 ファイルを書き出すには ffmpeg をインストールしてください</source>
        <translation>The encoder ffmpeg cannot be started; install ffmpeg to write %1 files</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>エンコーダ ffmpeg が止まりました</source>
        <translation>The encoder ffmpeg stopped</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>エンコーダ ffmpeg が失敗しました</source>
        <translation>The encoder ffmpeg failed</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>空間の解像度が %1 ではアニメーションを書き出せません。幅と高さを 1 以上にしてください</source>
        <translation>An animation cannot be written at a space resolution of %1. Make the width and height at least 1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>サウンドトラック %1 が見つかりません</source>
        <translation>The soundtrack %1 cannot be found</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>サウンドトラック %1 から音を読み取れません</source>
        <translation>No sound can be read from the soundtrack %1</translation>
    </message>
</context>
<context>
    <name>kirabel::FixedDialog</name>
    <message>
        <location filename="../src/ui/fixed_dialog.cpp" line="+50"/>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kirabel::HandleEditor</name>
    <message>
        <location filename="../src/ui/handles/handle_editor.cpp" line="+1"/>
        <source>原点の移動</source>
        <translation>Move Origin</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>方向と速さ</source>
        <translation>Direction and Speed</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>方向の広がり</source>
        <translation>Direction Spread</translation>
    </message>
</context>
<context>
    <name>kirabel::HelpViewer</name>
    <message>
        <location filename="../src/ui/help_viewer.cpp" line="+65"/>
        <source>ヘルプファイル %1 が見つかりません</source>
        <translation>The help file %1 was not found.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ヘルプファイル %1 を開くことができません</source>
        <translation>The help file %1 cannot be opened.</translation>
    </message>
</context>
<context>
    <name>kirabel::KirabelApplication</name>
    <message>
        <location filename="../src/ui/kirabel_application.cpp" line="+26"/>
        <source>３万色以上の環境でのご使用をお勧めしますが、起動しても良いですか？</source>
        <translation>A display with at least 32,768 colors is recommended. Start anyway?</translation>
    </message>
</context>
<context>
    <name>kirabel::LanguageMenu</name>
    <message>
        <location filename="../src/ui/language_menu.cpp" line="+10"/>
        <source>言語(&amp;N)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>自動(&amp;A)</source>
        <translation>&amp;Automatic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>日本語(&amp;J)</source>
        <translation>&amp;Japanese</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>English(&amp;E)</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>言語の変更は次回の起動から有効になります。</source>
        <translation>The new language takes effect the next time Kirabel starts.</translation>
    </message>
</context>
<context>
    <name>kirabel::LaunchSettingsDialog</name>
    <message>
        <location filename="../src/ui/launch_settings_dialog.cpp" line="+45"/>
        <source>ビットマップ(*.BMP)|*.bmp|なんでも(*.*)|*.*</source>
        <translation>Bitmap (*.BMP)|*.bmp|All files (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>打ち上げ設定</source>
        <translation>Launch Settings</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>重力</source>
        <translation>Gravity</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>開始時間</source>
        <translation>Start time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>出力間隔</source>
        <translation>Interval</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>出力コマ数</source>
        <translation>Frames</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>[フレーム]</source>
        <translation>[frames]</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>空間画像の保存</source>
        <translation>Save space pictures</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>一フレーム毎に自動保存する</source>
        <translation>Save every frame automatically</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ファイル名</source>
        <translation>File name</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>参照(&amp;B)...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>風</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>空気の流れる速さです。+は右向き、-は左向きです</source>
        <translation>The speed of the air: + blows to the right, - to the left</translation>
    </message>
    <message>
        <source>セットごとに乱数を持つ</source>
        <translation>Each set keeps its own randomness</translation>
    </message>
    <message>
        <source>どのセットも自分の乱数で粒子を作るので、他のセットを変えても粒子が変わりません</source>
        <translation>Every set makes its particles from random numbers of its own, so changing other sets leaves them as they are</translation>
    </message>
</context>
<context>
    <name>kirabel::LaunchTexts</name>
    <message>
        <location filename="../src/ui/launch_texts.cpp" line="+8"/>
        <source>%1個の粒子が作られます。計算を続けていいですか？</source>
        <translation>%1 particles will be created. Continue the calculation?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1個の粒子はメモリに収まりません。粒子の数を減らしてください</source>
        <translation>%1 particles do not fit in memory. Please reduce the number of particles.</translation>
    </message>
</context>
<context>
    <name>kirabel::LookDialog</name>
    <message>
        <source>見た目</source>
        <translation>Look</translation>
    </message>
    <message>
        <source>空の写真</source>
        <translation>Sky Photo</translation>
    </message>
    <message>
        <source>写真(*.png;*.jpg;*.jpeg)</source>
        <translation>Photos (*.png;*.jpg;*.jpeg)</translation>
    </message>
    <message>
        <source>露出</source>
        <translation>Exposure</translation>
    </message>
    <message>
        <source>[段]</source>
        <translation>[stops]</translation>
    </message>
    <message>
        <source>にじみの強さ</source>
        <translation>Glow</translation>
    </message>
    <message>
        <source>にじみの広がり</source>
        <translation>Glow radius</translation>
    </message>
    <message>
        <source>[画像の高さの%]</source>
        <translation>[% of the height]</translation>
    </message>
    <message>
        <source>星の大きさ</source>
        <translation>Star size</translation>
    </message>
    <message>
        <source>[ﾋﾟｸｾﾙ]</source>
        <translation>[pixels]</translation>
    </message>
    <message>
        <source>空の色 (上)</source>
        <translation>Sky at the top</translation>
    </message>
    <message>
        <source>空の色 (下)</source>
        <translation>Sky at the bottom</translation>
    </message>
    <message>
        <source>空の照り返し</source>
        <translation>Sky glow</translation>
    </message>
    <message>
        <source>クラシック</source>
        <translation>Classic</translation>
    </message>
    <message>
        <source>フィルム</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>光</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Remove</translation>
    </message>
</context>
<context>
    <name>kirabel::MainWindow</name>
    <message>
        <location filename="../src/ui/main_window.cpp" line="+88"/>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>パーティクルリストの新規作成(&amp;N)...</source>
        <translation>&amp;New Particle List...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>パーティクルリストの読み込み(&amp;R)...</source>
        <translation>&amp;Open Particle List...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>パーティクルリストを追加読み込み(&amp;M)...</source>
        <translation>&amp;Merge Particle List...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>パーティクルリストの上書き保存(&amp;S)...</source>
        <translation>&amp;Save Particle List...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>パーティクルリストに名前を付けて保存(&amp;A)...</source>
        <translation>Save Particle List &amp;As...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>空間画像の保存(&amp;I)...</source>
        <translation>Save Space &amp;Image...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>アニメーションを書き出す(&amp;V)...</source>
        <translation>&amp;Export Animation...</translation>
    </message>
    <message>
        <source>長時間露光で書き出す(&amp;L)...</source>
        <translation>Export &amp;Long Exposure...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+177"/>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location line="-175"/>
        <location line="+177"/>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location line="-172"/>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ｺﾋﾟｰ(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window/main_window.cpp" line="+1"/>
        <source>花火玉ライブラリ(&amp;B)...</source>
        <translation>Shell &amp;Library...</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window/main_window.cpp" line="+1"/>
        <source>選択を花火玉として保存(&amp;S)...</source>
        <translation>&amp;Save Selection as Shell...</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window/main_window_library.cpp" line="+1"/>
        <source>花火玉の挿入</source>
        <comment>undo step</comment>
        <translation>Insert Shell</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window/main_window_library.cpp" line="+1"/>
        <source>選択を花火玉として保存</source>
        <translation>Save Selection as Shell</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window/main_window_library.cpp" line="+1"/>
        <source>花火玉の名前:</source>
        <translation>Shell name:</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window/main_window_library.cpp" line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window/main_window_library.cpp" line="+1"/>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window/main_window_library.cpp" line="+1"/>
        <source>%1 はすでにあります。上書きしますか?</source>
        <translation>%1 already exists. Replace it?</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window/main_window_library.cpp" line="+1"/>
        <source>花火玉の名前を入力してください</source>
        <translation>Enter a name for the shell.</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window/main_window_library.cpp" line="+1"/>
        <source>花火玉の名前は %1 文字までです</source>
        <translation>A shell name can be at most %1 characters long.</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window/main_window_library.cpp" line="+1"/>
        <source>花火玉「%1」の時間と速さを重力 %2 に合わせました</source>
        <translation>Shell &quot;%1&quot; scaled in time and speed to gravity %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>打ち上げ(&amp;L)</source>
        <translation>&amp;Launch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>パーティクル発射！(&amp;L)</source>
        <translation>&amp;Launch Particles!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>プレビュー(&amp;P)</source>
        <translation>&amp;Preview</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ハンドル(&amp;H)</source>
        <translation>&amp;Handles</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ハンドル</source>
        <translation>Handles</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>タイムライン(&amp;T)</source>
        <translation>&amp;Timeline</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>サウンドトラックに合わせる(&amp;S)</source>
        <translation>Fit to the &amp;Soundtrack</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>サウンドトラックと拍(&amp;B)...</source>
        <translation>Soundtrack and &amp;Beats...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>設定(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>グリッドの列幅をフォームの幅に合わせる(&amp;G)</source>
        <translation>Fit &amp;Grid Columns to Window Width</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ツールバーを表示する(&amp;T)</source>
        <translation>Show &amp;Toolbar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>空間解像度の設定(&amp;S)...</source>
        <translation>&amp;Space Resolution...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>飽和粒子数の設定(&amp;W)...</source>
        <translation>Particle Count &amp;Warning...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>アンチエイリアシング(&amp;A)</source>
        <translation>&amp;Anti-aliasing</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>空間の上下・左右をつなげる(&amp;L)</source>
        <translation>Wrap Space &amp;Edges</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kirabelのヘルプを表示(&amp;F)...</source>
        <translation>Kirabel &amp;Help...</translation>
    </message>
    <message>
        <source>ユーザーガイド(&amp;G)...</source>
        <translation>User&apos;s &amp;Guide...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>あばうと(&amp;A)...</source>
        <translation>&amp;About Kirabel...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>プロパティ</source>
        <translation>&amp;Properties</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>パーティクルセット追加</source>
        <translation>&amp;Add Particle Set</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>パーティクルセット削除</source>
        <translation>&amp;Delete Particle Set</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>パーティクルリスト読み込み</source>
        <translation>Open particle list</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>パーティクルリスト保存</source>
        <translation>Save particle list</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>空間画像の保存</source>
        <translation>Save space image</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｺﾋﾟｰ</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>新しいパーティクルセットを追加</source>
        <translation>Add a new particle set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>選択中のパーティクルセットを変更</source>
        <translation>Change the selected particle set</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>リストからパーティクルセットを削除</source>
        <translation>Delete the particle set from the list</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>パーティクル打ち上げ!</source>
        <translation>Launch particles!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>打ち上げ中止</source>
        <translation>Stop the launch</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>[ESC]キーで計算をキャンセルできます</source>
        <translation>Press Esc to cancel the calculation</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>名称未設定</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window_editing.cpp" line="+30"/>
        <source>追加</source>
        <comment>undo step</comment>
        <translation>Add Set</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>変更</source>
        <comment>undo step</comment>
        <translation>Change Set</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1は、他のパーティクルセットの子に指定されていますが、削除してよろしいですか?</source>
        <translation>%1 is the child of another particle set. Delete it anyway?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>削除</source>
        <comment>undo step</comment>
        <translation>Delete Set</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>切り取り</source>
        <comment>undo step</comment>
        <translation>Cut Set</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>名前を整理してください。</source>
        <translation>Please tidy up the set names.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>貼り付け</source>
        <comment>undo step</comment>
        <translation>Paste Set</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window_export.cpp" line="+25"/>
        <location filename="../src/ui/main_window_launch.cpp" line="+55"/>
        <source>パーティクルがありません</source>
        <translation>There are no particle sets.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>打ち上げ設定</source>
        <comment>undo step</comment>
        <translation>Launch Settings</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window/main_window_show.cpp" line="+17"/>
        <source>サウンドトラックがありません</source>
        <translation>The list has no soundtrack.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>サウンドトラックに合わせる</source>
        <comment>undo step</comment>
        <translation>Fit to the Soundtrack</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>サウンドトラックと拍</source>
        <comment>undo step</comment>
        <translation>Soundtrack and Beats</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>サウンドトラック %1 が見つかりません。リストは開きました。サウンドトラックの指定はそのまま残ります。</source>
        <translation>The soundtrack %1 cannot be found. The list has been opened and keeps the soundtrack&apos;s path.</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window_files.cpp" line="+34"/>
        <source>現在のデータを破棄していいですか</source>
        <translation>Discard the current data?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>新規作成</source>
        <comment>undo step</comment>
        <translation>New List</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>変更を保存しますか？</source>
        <translation>Save the changes?</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>読み込み</source>
        <comment>undo step</comment>
        <translation>Open List</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 が見つかりません。最近使ったファイルの一覧から外します。</source>
        <translation>%1 was not found. It is removed from the recent files list.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>追加読み込み</source>
        <comment>undo step</comment>
        <translation>Merge List</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1に上書き保存していいですね</source>
        <translation>Overwrite %1?</translation>
    </message>
    <message>
        <source>見た目(&amp;K)...</source>
        <translation>Loo&amp;k...</translation>
    </message>
    <message>
        <source>見た目</source>
        <comment>undo step</comment>
        <translation>Look</translation>
    </message>
</context>
<context>
    <name>kirabel::MessageBox</name>
    <message>
        <location filename="../src/ui/message_box.cpp" line="+65"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>情報</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>kirabel::ParticleGridModel</name>
    <message>
        <location filename="../src/ui/particle_grid_model.cpp" line="+33"/>
        <source>(なし)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>表示</source>
        <translation>Shown</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>色合い</source>
        <translation>Color</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>初期位置</source>
        <translation>Origin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>発生時刻</source>
        <translation>Appears at</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>子火花</source>
        <translation>Child set</translation>
    </message>
</context>
<context>
    <name>kirabel::ParticleSetDialog</name>
    <message>
        <location filename="../src/ui/particle_set_dialog.cpp" line="+115"/>
        <source>パーティクルセットの個別設定</source>
        <translation>Particle Set Properties</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>この火花を識別する時の名前です</source>
        <translation>The name that identifies this set</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>色合い</source>
        <translation>Color</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>粒子が集まると、この色になります</source>
        <translation>Where particles gather, they show this color</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>粒子の数</source>
        <translation>Particles</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>何個の粒子を飛ばすか</source>
        <translation>How many particles to launch</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+62"/>
        <source>[個]</source>
        <translation>[pcs]</translation>
    </message>
    <message>
        <location line="-60"/>
        <source>初期位置</source>
        <translation>Origin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>どこを始点として粒子が飛び散るか(X座標)</source>
        <translation>Where the particles burst from (X coordinate)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>どこを始点として粒子が飛び散るか(Y座標)</source>
        <translation>Where the particles burst from (Y coordinate)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>爆発の強さ</source>
        <translation>Strength</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>粒子の飛び散る速度です</source>
        <translation>The speed at which the particles fly apart</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>爆発の強さのバラつき具合</source>
        <translation>How much the strength varies</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>爆発の向き</source>
        <translation>Direction</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>0度が真上で、左回りに指定します</source>
        <translation>0 degrees is straight up; angles run counterclockwise</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>「爆発の向き」を中心に、どのくらいの範囲で飛び散るか</source>
        <translation>How widely the particles spread around the direction</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>生起時間</source>
        <translation>Appears at</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>粒子が画面に登場する時間</source>
        <translation>When the particles appear on screen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>±何フレーム分、粒子の出現時間にバラつきを出すか</source>
        <translation>By how many frames (±) the appearance time varies</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>寿命</source>
        <translation>Lifetime</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>どれだけの間、粒子が空間内に生きていられるか</source>
        <translation>How long the particles stay alive in space</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>±何フレーム分、粒子の寿命にバラつきを出すか</source>
        <translation>By how many frames (±) the lifetime varies</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>残像の長さ</source>
        <translation>Trail length</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>網膜にどのくらいの時間、この粒子の光が影響を与えるか</source>
        <translation>How long the particles&apos; light lingers in the eye</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>残像の分割数</source>
        <translation>Trail steps</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>一つの粒子当たり残像を何回計算するか</source>
        <translation>How many times the trail is computed per particle</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>均等に分布</source>
        <translation>Uniform</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>中央に偏った分布</source>
        <translation>Centered</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>等間隔配置(非ﾗﾝﾀﾞﾑ)</source>
        <translation>Evenly spaced</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>乱数の分布</source>
        <translation>Distribution</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>子火花</source>
        <translation>Child set</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>この粒子の寿命が尽きると、ここで指定したﾊﾟｰﾃｨｸﾙｾｯﾄが出現します</source>
        <translation>When these particles die, the set chosen here appears</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>最大世代数</source>
        <translation>Generations</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>子火花を指定した場合、最大で何世代目まで打ち上げるか</source>
        <translation>With a child set, the most generations to launch</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>このパーティクルセットを表示する</source>
        <translation>Show this particle set</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ここをチェックしないと、画面に出てきません。</source>
        <translation>Unless this is checked, the set does not appear on screen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>これでよし</source>
        <translation>Accept these settings</translation>
    </message>
    <message>
        <source>基本</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>星</source>
        <translation>Star</translation>
    </message>
    <message>
        <source>空気抵抗</source>
        <translation>Air drag</translation>
    </message>
    <message>
        <source>空気が星を減速させる強さ (0で空気なし)</source>
        <translation>How strongly the air slows a star (0: no air)</translation>
    </message>
    <message>
        <source>明るくなる</source>
        <translation>Fade in</translation>
    </message>
    <message>
        <source>生まれてから明るさが満ちるまでの時間</source>
        <translation>The time a star&apos;s light takes to rise after its birth</translation>
    </message>
    <message>
        <source>消えていく</source>
        <translation>Fade out</translation>
    </message>
    <message>
        <source>寿命が尽きる前に暗くなっていく時間</source>
        <translation>The time a star dims over before its life ends</translation>
    </message>
    <message>
        <source>閃光</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>生まれた瞬間に加わる光 (色の何倍か)</source>
        <translation>Extra light at birth (a multiple of the color)</translation>
    </message>
    <message>
        <source>[倍]</source>
        <translation>[times]</translation>
    </message>
    <message>
        <source>閃光の時間</source>
        <translation>Flash time</translation>
    </message>
    <message>
        <source>閃光が消えるまでの時間 (0で閃光なし)</source>
        <translation>The time the flash dies away over (0: no flash)</translation>
    </message>
    <message>
        <source>点滅の周期</source>
        <translation>Strobe period</translation>
    </message>
    <message>
        <source>点いて消えるまでの一回りの時間</source>
        <translation>The time of one on-off cycle</translation>
    </message>
    <message>
        <source>点灯の割合</source>
        <translation>Lit fraction</translation>
    </message>
    <message>
        <source>一回りのうち点いている割合 (0で点滅なし、1未満)</source>
        <translation>The part of each cycle a star is lit (0: no strobe; below 1)</translation>
    </message>
    <message>
        <source>変わり始め</source>
        <translation>Change at</translation>
    </message>
    <message>
        <source>色が変わり始める星の年齢</source>
        <translation>The star&apos;s age at which its color starts to change</translation>
    </message>
    <message>
        <source>変わる時間</source>
        <translation>Blend time</translation>
    </message>
    <message>
        <source>色が変わりきるまでの時間 (0で一瞬)</source>
        <translation>The time the change of color takes (0: at once)</translation>
    </message>
    <message>
        <source>火の粉の数</source>
        <translation>Sparks</translation>
    </message>
    <message>
        <source>一つの星が単位時間に散らす火の粉の数 (0で火の粉なし)</source>
        <translation>How many sparks each star sheds per time unit (0: no sparks)</translation>
    </message>
    <message>
        <source>[個/Time]</source>
        <translation>[pcs/Time]</translation>
    </message>
    <message>
        <source>火の粉の寿命</source>
        <translation>Spark life</translation>
    </message>
    <message>
        <source>火の粉が光っている時間</source>
        <translation>How long a spark glows</translation>
    </message>
    <message>
        <source>火の粉の速さ</source>
        <translation>Spark speed</translation>
    </message>
    <message>
        <source>火の粉が星から離れていく速さ</source>
        <translation>How fast a spark moves away from its star</translation>
    </message>
    <message>
        <source>火の粉の色</source>
        <translation>Spark color</translation>
    </message>
    <message>
        <source>火の粉の色です</source>
        <translation>The color of the sparks</translation>
    </message>
    <message>
        <source>星の一生の明るさと色 (左が誕生、右が寿命の尽きる時)</source>
        <translation>A star&apos;s brightness and color over its life (birth on the left, the end of its life on the right)</translation>
    </message>
    <message>
        <source>色を変える</source>
        <translation>Change color</translation>
    </message>
    <message>
        <source>星の色を途中で別の色に変えます</source>
        <translation>The star&apos;s color turns into another one during its life</translation>
    </message>
    <message>
        <source>変わる色</source>
        <translation>New color</translation>
    </message>
    <message>
        <source>星が変わっていく色です</source>
        <translation>The color the star turns into</translation>
    </message>
</context>
<context>
    <name>kirabel::PclDialogs</name>
    <message>
        <location filename="../src/ui/pcl_dialogs.cpp" line="+11"/>
        <source>PCLファイル(*PCL)</source>
        <translation>PCL files (*.PCL)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ビットマップ(*.BMP)</source>
        <translation>Bitmaps (*.BMP)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>なんでも(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
</context>
<context>
    <name>kirabel::PreviewBar</name>
    <message>
        <location filename="../src/ui/preview_bar.cpp" line="+30"/>
        <source>最初へ (Home)</source>
        <translation>To the start (Home)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1フレーム戻る (←)</source>
        <translation>One frame back (←)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>再生/一時停止 (Space)</source>
        <translation>Play/pause (Space)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1フレーム進む (→)</source>
        <translation>One frame forward (→)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>計算する</source>
        <translation>Compute</translation>
    </message>
</context>
<context>
    <name>kirabel::PreviewController</name>
    <message>
        <location filename="../src/ui/preview_controller.cpp" line="+95"/>
        <source>%1個の粒子が作られます</source>
        <translation>%1 particles will be created</translation>
    </message>
</context>
<context>
    <name>kirabel::RecentFilesMenu</name>
    <message>
        <location filename="../src/ui/recent_files_menu.cpp" line="+9"/>
        <source>最近使ったファイル(&amp;F)</source>
        <translation>&amp;Recent Files</translation>
    </message>
</context>
<context>
    <name>kirabel::ResolutionDialog</name>
    <message>
        <location filename="../src/ui/resolution_dialog.cpp" line="+24"/>
        <source>空間解像度の設定</source>
        <translation>Space Resolution</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>空間ビューワの解像度を設定します</source>
        <translation>Resolution of the space viewer</translation>
    </message>
</context>
<context>
    <name>kirabel::SoundtrackDialog</name>
    <message>
        <location filename="../src/ui/dialogs/soundtrack_dialog.cpp" line="+29"/>
        <source>サウンドトラック(*.wav;*.flac;*.ogg;*.mp3)</source>
        <translation>Soundtracks (*.wav;*.flac;*.ogg;*.mp3)</translation>
    </message>
    <message>
        <source>サウンドトラックと拍</source>
        <translation>Soundtrack and Beats</translation>
    </message>
    <message>
        <source>サウンドトラック</source>
        <translation>Soundtrack</translation>
    </message>
    <message>
        <source>開始時刻</source>
        <translation>Starts at</translation>
    </message>
    <message>
        <source>[秒]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>テンポ</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>最初の拍</source>
        <translation>First beat</translation>
    </message>
    <message>
        <source>毎秒のフレーム数</source>
        <translation>Frames per second</translation>
    </message>
    <message>
        <source>拍を検出</source>
        <translation>Detect Beats</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>サウンドトラックに一定の拍が見つかりません</source>
        <translation>No steady beat can be found in the soundtrack.</translation>
    </message>
    <message>
        <source>検出中...</source>
        <translation>Detecting...</translation>
    </message>
</context>
<context>
    <name>kirabel::SpaceViewer</name>
    <message>
        <location filename="../src/ui/space_viewer.cpp" line="+36"/>
        <source>空間ビューワ</source>
        <translation>Space Viewer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>作画中です...%1/%2</source>
        <translation>Drawing... %1/%2</translation>
    </message>
</context>
<context>
    <name>kirabel::ThresholdDialog</name>
    <message>
        <location filename="../src/ui/threshold_dialog.cpp" line="+9"/>
        <source>警告値の設定</source>
        <translation>Warning Threshold</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>粒子数がこれ以上になると、打ち上げ時に警告を出します</source>
        <translation>Warn before a launch of this many particles or more</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>個</source>
        <translation>particles</translation>
    </message>
</context>
<context>
    <name>kirabel::TimelineView</name>
    <message>
        <location filename="../src/ui/timeline/timeline_view.cpp" line="+1"/>
        <source>タイミング</source>
        <comment>undo step</comment>
        <translation>Timing</translation>
    </message>
    <message>
        <location filename="../src/ui/timeline/timeline_view_mouse.cpp" line="+1"/>
        <source>サウンドトラックの位置</source>
        <comment>undo step</comment>
        <translation>Soundtrack Position</translation>
    </message>
</context>
<context>
    <name>kirabel::ShellLibraryModel</name>
    <message>
        <location filename="../src/ui/library/shell_library_model.cpp" line="+1"/>
        <source>自分の花火玉</source>
        <translation>Your own shell</translation>
    </message>
    <message>
        <location filename="../src/ui/library/shell_library_model.cpp" line="+1"/>
        <source>ファイルが見つかりません</source>
        <translation>The file is missing.</translation>
    </message>
    <message>
        <location filename="../src/ui/library/shell_library_model.cpp" line="+1"/>
        <source>PCLファイルとして読み込めません</source>
        <translation>The file cannot be read as a PCL file.</translation>
    </message>
    <message>
        <location filename="../src/ui/library/shell_library_model.cpp" line="+1"/>
        <source>セットが多すぎます</source>
        <translation>The file has too many sets.</translation>
    </message>
    <message>
        <location filename="../src/ui/library/shell_library_model.cpp" line="+1"/>
        <source>表示するセット（打ち上げるセット）がありません</source>
        <translation>The file has no visible set to launch.</translation>
    </message>
    <message>
        <location filename="../src/ui/library/shell_library_model.cpp" line="+1"/>
        <source>[P%1] の子セットがファイルの中にありません</source>
        <translation>The child of [P%1] is not in the file.</translation>
    </message>
</context>
<context>
    <name>kirabel::ShellLibraryWindow</name>
    <message>
        <location filename="../src/ui/library/shell_library_window.cpp" line="+1"/>
        <source>花火玉ライブラリ</source>
        <translation>Shell Library</translation>
    </message>
    <message>
        <location filename="../src/ui/library/shell_library_window.cpp" line="+1"/>
        <source>名前で絞り込む</source>
        <translation>Filter by name</translation>
    </message>
</context>
<context>
    <name>kirabel::TimelineWindow</name>
    <message>
        <location filename="../src/ui/timeline/timeline_window.cpp" line="+1"/>
        <source>タイムライン</source>
        <translation>Timeline</translation>
    </message>
</context>
<context>
    <name>kirabel::WindowLaunch</name>
    <message>
        <location filename="../src/ui/window_launch.cpp" line="+22"/>
        <source>ディスクの空き容量が足りないか、指定されたファイルに書き込めません</source>
        <translation>The disk is full, or the file cannot be written.</translation>
    </message>
</context>
</TS>
