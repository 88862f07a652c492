<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>vuota</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1, di turno</translation>
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
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono disponibili al momento</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;sistema...</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>Trellic, creato da Pellworth</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Attenzione: gli oggetti sullo schermo sembrano più vicini di quanto siano in realtà.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>Informazioni su %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>Chi perde inizia sempre.</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>Il giocatore 1 e il giocatore 2 mettono a turno una X o una O in una casella. Vince chi mette in fila tre X o tre O.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Attenzione: gli oggetti sullo schermo sembrano più vicini di quanto siano in realtà.</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Piattaforma</translation>
    </message>
</context>
<context>
    <name>frmTrellic</name>
    <message>
        <source>What is your name Player 1?</source>
        <translation>Giocatore 1, come ti chiami?</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>Nome del giocatore 1</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Giocatore 1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>Giocatore 2, come ti chiami?</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>Nome del giocatore 2</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Giocatore 2</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>In alto al centro</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>In alto a destra</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Al centro a sinistra</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Al centro</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Al centro a destra</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>In basso al centro</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>in alto a sinistra</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>in alto al centro</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>in alto a destra</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>al centro a sinistra</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>al centro</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>al centro a destra</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>in basso a sinistra</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>in basso al centro</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>in basso a destra</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>Giocatore 1: %1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>Giocatore 2: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>Punteggio del giocatore 1: %1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>Punteggio del giocatore 2: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Nuovo giocatore</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Giocatore 2</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Entrambi</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>Azzera punteggio</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Come giocare</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>Informazioni su Trellic</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1, %2. </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Partita finita.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>Turno di %1.</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>%1 ha vinto!</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>Nessun vincitore, la partita finisce in parità!</translation>
    </message>
</context>
</TS>
