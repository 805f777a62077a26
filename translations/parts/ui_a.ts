<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>kirabel::AboutDialog</name>
    <message>
        <location filename="../../src/ui/about_dialog.cpp" line="+22"/>
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
    <name>kirabel::KirabelApplication</name>
    <message>
        <location filename="../../src/ui/kirabel_application.cpp" line="+24"/>
        <source>３万色以上の環境でのご使用をお勧めしますが、起動しても良いですか？</source>
        <translation>A display with at least 32,768 colors is recommended. Start anyway?</translation>
    </message>
</context>
<context>
    <name>kirabel::LaunchTexts</name>
    <message>
        <location filename="../../src/ui/launch_texts.cpp" line="+8"/>
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
    <name>kirabel::MainWindow</name>
    <message>
        <location filename="../../src/ui/main_window.cpp" line="+87"/>
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
        <location line="+173"/>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location line="-171"/>
        <location line="+173"/>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location line="-168"/>
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
        <location line="+6"/>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kirabelのヘルプを表示(&amp;F)...</source>
        <translation>Kirabel &amp;Help...</translation>
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
        <location filename="../../src/ui/main_window_editing.cpp" line="+30"/>
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
        <location filename="../../src/ui/main_window_export.cpp" line="+25"/>
        <location filename="../../src/ui/main_window_launch.cpp" line="+54"/>
        <source>パーティクルがありません</source>
        <translation>There are no particle sets.</translation>
    </message>
    <message>
        <location filename="../../src/ui/main_window_files.cpp" line="+34"/>
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
        <location line="+16"/>
        <source>変なファイルを指定しちゃだめ</source>
        <translation>That is not a particle list file.</translation>
    </message>
    <message>
        <location line="+11"/>
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
</context>
<context>
    <name>kirabel::MessageBox</name>
    <message>
        <location filename="../../src/ui/message_box.cpp" line="+65"/>
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
    <name>kirabel::PclDialogs</name>
    <message>
        <location filename="../../src/ui/pcl_dialogs.cpp" line="+11"/>
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
    <name>kirabel::RecentFilesMenu</name>
    <message>
        <location filename="../../src/ui/recent_files_menu.cpp" line="+9"/>
        <source>最近使ったファイル(&amp;R)</source>
        <translation>&amp;Recent Files</translation>
    </message>
</context>
<context>
    <name>kirabel::WindowLaunch</name>
    <message>
        <location filename="../../src/ui/window_launch.cpp" line="+22"/>
        <source>ディスクの空き容量が足りないか、指定されたファイルに書き込めません</source>
        <translation>The disk is full, or the file cannot be written.</translation>
    </message>
</context>
</TS>
