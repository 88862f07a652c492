<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>prázdné</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1, na tahu</translation>
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
        <translation>Verze %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informace o systému nejsou momentálně k dispozici</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>O &amp;systému...</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>Trellic, autor: Pellworth</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Upozornění: objekty na obrazovce se zdají bližší, než ve skutečnosti jsou.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>O aplikaci %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>Kdo prohraje, vždy začíná.</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>Hráč 1 a hráč 2 střídavě píší do polí X nebo O. Vyhrává ten, kdo jako první dostane tři X nebo tři O do řady.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>Autorská práva</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Upozornění: objekty na obrazovce se zdají bližší, než ve skutečnosti jsou.</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Platforma</translation>
    </message>
</context>
<context>
    <name>frmTrellic</name>
    <message>
        <source>What is your name Player 1?</source>
        <translation>Hráči 1, jak se jmenujete?</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>Jméno hráče 1</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Hráč 1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>Hráči 2, jak se jmenujete?</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>Jméno hráče 2</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Hráč 2</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Vlevo nahoře</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>Nahoře uprostřed</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Vpravo nahoře</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Vlevo uprostřed</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Uprostřed</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Vpravo uprostřed</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Vlevo dole</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>Dole uprostřed</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Vpravo dole</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>vlevo nahoře</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>nahoře uprostřed</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>vpravo nahoře</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>vlevo uprostřed</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>uprostřed</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>vpravo uprostřed</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>vlevo dole</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>dole uprostřed</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>vpravo dole</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>Hráč 1: %1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>Hráč 2: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>Skóre hráče 1: %1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>Skóre hráče 2: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Nový hráč</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Hráč 2</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Oba</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>Vynulovat skóre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Jak hrát</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>O aplikaci Trellic</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1, %2. </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Konec hry.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>Na tahu je %1.</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>%1 vyhrává!</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>Nikdo nevyhrál, hra skončila remízou!</translation>
    </message>
</context>
</TS>
