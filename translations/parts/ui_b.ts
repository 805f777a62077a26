<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>kirabel::AnimationExport</name>
    <message>
        <location filename="../../src/ui/animation_export.cpp" line="+11"/>
        <source>アニメーションを書き出しています...</source>
        <translation>Exporting the animation...</translation>
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
        <location filename="../../src/ui/child_set_model.cpp" line="+12"/>
        <source>(なし)</source>
        <translation>(none)</translation>
    </message>
</context>
<context>
    <name>kirabel::ExportDialog</name>
    <message>
        <location filename="../../src/ui/export_dialog.cpp" line="+36"/>
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
    <name>kirabel::LaunchSettingsDialog</name>
    <message>
        <location filename="../../src/ui/launch_settings_dialog.cpp" line="+45"/>
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
        <location line="+13"/>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kirabel::ParticleGridModel</name>
    <message>
        <location filename="../../src/ui/particle_grid_model.cpp" line="+33"/>
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
        <location filename="../../src/ui/particle_set_dialog.cpp" line="+115"/>
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
        <location line="+3"/>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kirabel::PreviewBar</name>
    <message>
        <location filename="../../src/ui/preview_bar.cpp" line="+30"/>
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
        <location filename="../../src/ui/preview_controller.cpp" line="+95"/>
        <source>%1個の粒子が作られます</source>
        <translation>%1 particles will be created</translation>
    </message>
</context>
<context>
    <name>kirabel::ResolutionDialog</name>
    <message>
        <location filename="../../src/ui/resolution_dialog.cpp" line="+24"/>
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
    <name>kirabel::SmallDialog</name>
    <message>
        <location filename="../../src/ui/small_dialog.cpp" line="+52"/>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kirabel::SpaceViewer</name>
    <message>
        <location filename="../../src/ui/space_viewer.cpp" line="+24"/>
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
        <location filename="../../src/ui/threshold_dialog.cpp" line="+9"/>
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
</TS>
