<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>vazia</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1, vez de jogar</translation>
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
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info do &amp;sistema</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>Trellic, criado por Pellworth</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Aviso: os objetos na tela parecem mais próximos do que realmente estão.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>Sobre o %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>Quem perde sempre começa.</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>O jogador 1 e o jogador 2 se alternam marcando as casas com X ou O. Vence quem fizer primeiro três X ou três O em linha.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>Direitos autorais</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Aviso: os objetos na tela parecem mais próximos do que realmente estão.</translation>
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
        <translation>Jogador 1, qual é o seu nome?</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>Nome do jogador 1</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jogador 1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>Jogador 2, qual é o seu nome?</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>Nome do jogador 2</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jogador 2</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Em cima à esquerda</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>Em cima no centro</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Em cima à direita</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>No meio à esquerda</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>No centro</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>No meio à direita</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Embaixo à esquerda</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>Embaixo no centro</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Embaixo à direita</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>em cima à esquerda</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>em cima no centro</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>em cima à direita</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>no meio à esquerda</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>no centro</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>no meio à direita</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>embaixo à esquerda</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>embaixo no centro</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>embaixo à direita</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>Jogador 1: %1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>Jogador 2: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Placar</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>Pontos do jogador 1: %1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>Pontos do jogador 2: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Novo jogador</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Jogador 2</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>Zerar placar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>Sobre o Trellic</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1, %2. </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Fim de jogo.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>Vez de %1.</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>%1 venceu!</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>Não há vencedor, o jogo terminou empatado!</translation>
    </message>
</context>
</TS>
