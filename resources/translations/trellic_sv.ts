<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>tom</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1, på tur</translation>
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
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformation är inte tillgänglig just nu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>Trellic, skapat av Pellworth</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Varning: föremål på skärmen verkar närmare än de egentligen är.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>Om %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>Förloraren börjar alltid.</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>Spelare 1 och spelare 2 turas om att sätta ett X eller ett O i en ruta. Den som först får tre X eller tre O i rad vinner.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>Upphovsrätt</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Varning: föremål på skärmen verkar närmare än de egentligen är.</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Plattform</translation>
    </message>
</context>
<context>
    <name>frmTrellic</name>
    <message>
        <source>What is your name Player 1?</source>
        <translation>Spelare 1, vad heter du?</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>Namn på spelare 1</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Spelare 1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>Spelare 2, vad heter du?</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>Namn på spelare 2</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Spelare 2</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Uppe till vänster</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>Uppe i mitten</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Uppe till höger</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Mitten till vänster</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>I mitten</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Mitten till höger</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Nere till vänster</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>Nere i mitten</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Nere till höger</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>uppe till vänster</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>uppe i mitten</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>uppe till höger</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>mitten till vänster</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>i mitten</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>mitten till höger</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>nere till vänster</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>nere i mitten</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>nere till höger</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>Spelare 1: %1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>Spelare 2: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>Poäng för spelare 1: %1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>Poäng för spelare 2: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arkiv</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Ny spelare</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Spelare 2</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Båda</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>Nollställ poäng</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Så spelar du</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>Om Trellic</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1, %2. </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Spelet är slut.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>%1 står på tur.</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>%1 vinner!</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>Ingen vinnare, det blev oavgjort!</translation>
    </message>
</context>
</TS>
