<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>空</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1，輪到下棋</translation>
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
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>目前無法取得系統資訊</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>系統資訊(&amp;S)...</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>Trellic 由 Pellworth 製作</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>警告：螢幕中的物體看起來比實際更近。</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>關於 %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>輸的一方總是先下。</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>玩家 1 和玩家 2 輪流在格子裡放 X 或 O。先把 3 個 X 或 3 個 O 連成一線的人獲勝。</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>版權所有</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>警告：螢幕中的物體看起來比實際更近。</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>平台</translation>
    </message>
</context>
<context>
    <name>frmTrellic</name>
    <message>
        <source>What is your name Player 1?</source>
        <translation>玩家 1，請問您叫什麼名字？</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>輸入玩家 1 的名字</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>玩家 1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>玩家 2，請問您叫什麼名字？</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>輸入玩家 2 的名字</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>玩家 2</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>上中</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>左中</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>正中</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>右中</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>下中</translation>
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
        <translation>上中</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>左中</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>正中</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>右中</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>下中</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>玩家 1：%1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>玩家 2：%1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>分數</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>玩家 1 的分數：%1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>玩家 2 的分數：%1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新遊戲</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>新玩家</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>玩家 2</translation>
    </message>
    <message>
        <source>All</source>
        <translation>雙方</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>清除分數</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>玩法</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>關於 Trellic</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1，%2。 </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>遊戲結束。</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>輪到 %1。</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>%1 獲勝！</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>沒有勝者，本局平手！</translation>
    </message>
</context>
</TS>
