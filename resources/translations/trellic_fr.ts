<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1, à jouer</translation>
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
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;système...</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>Trellic, créé par Pellworth</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Attention&#xa0;: les objets à l&apos;écran semblent plus proches qu&apos;ils ne le sont en réalité.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>À propos de %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>Le perdant commence toujours.</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>Le joueur 1 et le joueur 2 placent à tour de rôle un X ou un O dans une case. Le premier qui aligne trois X ou trois O gagne.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>Droits d&apos;auteur</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Attention&#xa0;: les objets à l&apos;écran semblent plus proches qu&apos;ils ne le sont en réalité.</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Plateforme</translation>
    </message>
</context>
<context>
    <name>frmTrellic</name>
    <message>
        <source>What is your name Player 1?</source>
        <translation>Joueur 1, quel est votre nom&#xa0;?</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>Nom du joueur 1</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Joueur 1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>Joueur 2, quel est votre nom&#xa0;?</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>Nom du joueur 2</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>En haut au centre</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Au milieu à gauche</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Au centre</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Au milieu à droite</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>En bas au centre</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>en haut à gauche</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>en haut au centre</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>en haut à droite</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>au milieu à gauche</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>au centre</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>au milieu à droite</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>en bas à gauche</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>en bas au centre</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>en bas à droite</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>Joueur 1&#xa0;: %1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>Joueur 2&#xa0;: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>Score du joueur 1&#xa0;: %1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>Score du joueur 2&#xa0;: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Nouveau joueur</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>Effacer le score</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>À propos de Trellic</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1, %2. </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Partie terminée.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>C&apos;est à %1 de jouer.</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>%1 a gagné&#xa0;!</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>Il n&apos;y a pas de gagnant, la partie est nulle&#xa0;!</translation>
    </message>
</context>
</TS>
