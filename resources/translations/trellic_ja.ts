<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>空き</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1、手番</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language written from right to left, &quot;LTR&quot; for any other</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>Version %1</source>
        <extracomment>The version line of the splash and About windows; %1 is the version, &quot;1.0.0&quot;</extracomment>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>システム情報は現在利用できません</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>システム(&amp;S)...</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>Trellic 制作: Pellworth</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>警告: 画面上の物体は実際よりも近くに見えます。</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>%1 について</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>負けた方が必ず先手です。</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>プレイヤー1とプレイヤー2が交互にマスへ X か O を置きます。X か O を 3 つ一列に並べた方の勝ちです。</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>著作権</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>警告: 画面上の物体は実際よりも近くに見えます。</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>プラットフォーム</translation>
    </message>
</context>
<context>
    <name>frmTrellic</name>
    <message>
        <source>What is your name Player 1?</source>
        <translation>プレイヤー1、あなたの名前は？</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>プレイヤー1の名前入力</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>プレイヤー1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>プレイヤー2、あなたの名前は？</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>プレイヤー2の名前入力</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>プレイヤー2</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>上中央</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>左中央</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>右中央</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>下中央</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>上中央</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>左中央</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>右中央</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>下中央</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>プレイヤー1: %1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>プレイヤー2: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>プレイヤー1のスコア: %1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>プレイヤー2のスコア: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>新しいプレイヤー</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>プレイヤー2</translation>
    </message>
    <message>
        <source>All</source>
        <translation>両方</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>スコアをクリア</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>遊び方</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>Trellic について</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1、%2。 </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>ゲーム終了。</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>%1 の番です。</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>%1 の勝ちです！</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>勝者はいません。引き分けです！</translation>
    </message>
</context>
</TS>
