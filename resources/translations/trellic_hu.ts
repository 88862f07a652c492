<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>üres</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1, következik</translation>
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
        <translation>Verzió: %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>A rendszerinformáció jelenleg nem érhető el</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Rendszerinfó</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>Trellic – készítette: Pellworth</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Figyelem: a képernyőn lévő tárgyak közelebbinek tűnnek, mint valójában.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>%1 névjegye</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>Mindig a vesztes kezd.</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>Az 1. és a 2. játékos felváltva tesz X-et vagy O-t egy mezőbe. Az nyer, aki elsőként kirak egy sorba három X-et vagy három O-t.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>Szerzői jog</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Figyelem: a képernyőn lévő tárgyak közelebbinek tűnnek, mint valójában.</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Platform</translation>
    </message>
</context>
<context>
    <name>frmTrellic</name>
    <message>
        <source>What is your name Player 1?</source>
        <translation>1. játékos, mi a neve?</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>1. játékos neve</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>1. játékos</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>2. játékos, mi a neve?</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>2. játékos neve</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>2. játékos</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Fent balra</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>Fent középen</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Fent jobbra</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Középen balra</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Középen</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Középen jobbra</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Lent balra</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>Lent középen</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Lent jobbra</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>fent balra</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>fent középen</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>fent jobbra</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>középen balra</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>középen</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>középen jobbra</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>lent balra</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>lent középen</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>lent jobbra</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>1. játékos: %1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>2. játékos: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontszám</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>1. játékos pontszáma: %1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>2. játékos pontszáma: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Új játék</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Új játékos</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>2. játékos</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Mindkettő</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>Pontszám nullázása</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>A játék menete</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>Trellic névjegye</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1, %2. </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Vége a játéknak.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>%1 következik.</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>%1 nyert!</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>Nincs győztes, a játék döntetlen!</translation>
    </message>
</context>
</TS>
