<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1, su turno</translation>
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
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;sistema...</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>Trellic, creado por Pellworth</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Advertencia: los objetos en la pantalla parecen más cercanos de lo que realmente están.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>Quien pierde siempre empieza.</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>El jugador 1 y el jugador 2 marcan por turnos una casilla con una X o una O. Gana quien consiga tres X o tres O en línea.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>Derechos de autor</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Advertencia: los objetos en la pantalla parecen más cercanos de lo que realmente están.</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Plataforma</translation>
    </message>
</context>
<context>
    <name>frmTrellic</name>
    <message>
        <source>What is your name Player 1?</source>
        <translation>Jugador 1, ¿cómo te llamas?</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>Nombre del jugador 1</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>Jugador 2, ¿cómo te llamas?</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>Nombre del jugador 2</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>Arriba en el centro</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>En medio a la izquierda</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>En el centro</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>En medio a la derecha</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>Abajo en el centro</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>arriba a la izquierda</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>arriba en el centro</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>arriba a la derecha</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>en medio a la izquierda</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>en el centro</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>en medio a la derecha</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>abajo a la izquierda</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>abajo en el centro</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>abajo a la derecha</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>Jugador 1: %1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>Jugador 2: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>Puntuación del jugador 1: %1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>Puntuación del jugador 2: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Nuevo jugador</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>Borrar puntuación</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>Acerca de Trellic</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1, %2. </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Fin de la partida.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>Turno de %1.</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>¡Gana %1!</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>No hay ganador, ¡la partida termina en empate!</translation>
    </message>
</context>
</TS>
