<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>%1，轮到落子</translation>
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
        <translation>系统信息当前不可用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>系统信息(&amp;S)...</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>Trellic 由 Pellworth 制作</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>警告：屏幕中的物体看起来比实际更近。</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>关于 %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>输的一方总是先走。</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>玩家 1 和玩家 2 轮流在格子里放 X 或 O。先把 3 个 X 或 3 个 O 连成一线者获胜。</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>版权所有</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>警告：屏幕中的物体看起来比实际更近。</translation>
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
        <translation>玩家 1，你叫什么名字？</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>输入玩家 1 的名字</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>玩家 1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>玩家 2，你叫什么名字？</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>输入玩家 2 的名字</translation>
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
        <translation>比分</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>玩家 1 的得分：%1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>玩家 2 的得分：%1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
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
        <translation>双方</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>清除比分</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>玩法</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>关于 Trellic</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1，%2。 </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>游戏结束。</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>轮到 %1。</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>%1 获胜！</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>没有胜者，本局为平局！</translation>
    </message>
</context>
</TS>
