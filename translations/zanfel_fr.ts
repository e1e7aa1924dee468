<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>%1, Zanfel team</source>
        <translation>%1, l&apos;équipe Zanfel</translation>
    </message>
    <message>
        <source>Released December 2026</source>
        <translation>Publié en décembre 2026</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AnnouncementWindow</name>
    <message>
        <source>You went out!</source>
        <translation>Vous sortez&#xa0;!</translation>
    </message>
    <message>
        <source>%1 went out.</source>
        <translation>%1 sort.</translation>
    </message>
    <message>
        <source>You won this hand !!</source>
        <translation>Vous gagnez la manche&#xa0;!!</translation>
    </message>
    <message>
        <source>Someone else called...</source>
        <translation>Un autre a crié...</translation>
    </message>
    <message>
        <source>%1 won this hand !!</source>
        <translation>%1 gagne la manche&#xa0;!!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CardTable</name>
    <message>
        <source>Click the back of your deck for 3 more cards</source>
        <translation>Cliquez sur le dos de votre paquet pour 3&#xa0;cartes de plus</translation>
    </message>
    <message>
        <source>The host deals the next hand</source>
        <translation>L&apos;hôte distribue la manche suivante</translation>
    </message>
    <message>
        <source>Click the back of the red card to deal</source>
        <translation>Cliquez sur le dos de la carte rouge pour distribuer</translation>
    </message>
    <message>
        <source>Click the back of the red deck to deal</source>
        <translation>Cliquez sur le dos du paquet rouge pour distribuer</translation>
    </message>
    <message>
        <source>Click the back of the red deck for 3 more cards</source>
        <translation>Cliquez sur le dos du paquet rouge pour 3&#xa0;cartes de plus</translation>
    </message>
    <message>
        <source>Card Count:</source>
        <translation>Nombre de cartes&#xa0;:</translation>
    </message>
    <message>
        <source>None of your cards can move. Try No one can play.</source>
        <translation>Aucune de vos cartes ne peut bouger. Essayez Personne ne peut jouer.</translation>
    </message>
    <message>
        <source>Cards in %1: %2</source>
        <translation>%1, nombre de cartes&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Open a network game&apos;s lobby at once.</source>
        <translation>Ouvrir tout de suite le salon d&apos;une partie en réseau.</translation>
    </message>
    <message>
        <source>Join the network game hosted at ADDRESS[:PORT].</source>
        <translation>Rejoindre la partie en réseau hébergée à ADDRESS[:PORT].</translation>
    </message>
    <message>
        <source>The port others join on (%1 unless given).</source>
        <translation>Le port où les autres se connectent (%1 par défaut).</translation>
    </message>
    <message>
        <source>Your name, as the others will see it.</source>
        <translation>Votre nom, tel que les autres le verront.</translation>
    </message>
    <message>
        <source>Unknown argument: %1</source>
        <translation>Argument inconnu&#xa0;: %1</translation>
    </message>
    <message>
        <source>--host and --join cannot be given together.</source>
        <translation>--host et --join ne peuvent pas être donnés ensemble.</translation>
    </message>
    <message>
        <source>--port goes with --host; a joining player types the port after the address.</source>
        <translation>--port va avec --host&#xa0;; un joueur qui rejoint une partie tape le port après l&apos;adresse.</translation>
    </message>
    <message>
        <source>--name goes with --host or --join.</source>
        <translation>--name va avec --host ou --join.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no port: give a number from 1 to 65535.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un port&#xa0;: donnez un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address: give the host&apos;s name or address, and :PORT if not %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse&#xa0;: donnez le nom ou l&apos;adresse de l&apos;hôte, et :PORT si ce n&apos;est pas %2.</translation>
    </message>
</context>
<context>
    <name>FaceOption</name>
    <message>
        <source>Card &amp;Faces</source>
        <translation>&amp;Faces des cartes</translation>
    </message>
    <message>
        <source>&amp;Four-Colour Suits</source>
        <translation>&amp;Quatre couleurs</translation>
    </message>
    <message>
        <source>&amp;Large Indices</source>
        <translation>&amp;Grands index</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>The file is missing.</source>
        <translation>Le fichier est introuvable.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file is far too large to be the game&apos;s help.</source>
        <translation>Le fichier est bien trop gros pour être l&apos;aide du jeu.</translation>
    </message>
    <message>
        <source>It is damaged.</source>
        <translation>Il est endommagé.</translation>
    </message>
    <message>
        <source>It is not a compiled help file.</source>
        <translation>Ce n&apos;est pas un fichier d&apos;aide compilé.</translation>
    </message>
    <message>
        <source>Its table of contents cannot be read.</source>
        <translation>Sa table des matières est illisible.</translation>
    </message>
    <message>
        <source>Its first page cannot be read.</source>
        <translation>Sa première page est illisible.</translation>
    </message>
</context>
<context>
    <name>HelpOpener</name>
    <message>
        <source>The help file &quot;%1&quot; could not be opened.</source>
        <translation>Le fichier d&apos;aide «&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
</context>
<context>
    <name>JoinWindow</name>
    <message>
        <source>Zanfel %1: cannot play with this version</source>
        <translation>Zanfel %1&#xa0;: incompatible avec cette version</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Commencée</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Complète</translation>
    </message>
    <message>
        <source>1 free seat</source>
        <translation>1&#xa0;place libre</translation>
    </message>
    <message>
        <source>%1 free seats</source>
        <translation>%1&#xa0;places libres</translation>
    </message>
    <message>
        <source>Join Network Game</source>
        <translation>Rejoindre une partie en réseau</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>Re&amp;joindre</translation>
    </message>
    <message>
        <source>&amp;Games on your local network:</source>
        <translation>&amp;Parties sur votre réseau local&#xa0;:</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Places</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>a host elsewhere: its address, and :port if not %1</source>
        <translation>adresse d&apos;un hôte distant, et :port si autre que %1</translation>
    </message>
    <message>
        <source>Host &amp;address:</source>
        <translation>Adresse de l&apos;&amp;hôte&#xa0;:</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Votre &amp;nom&#xa0;:</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Recherche de parties...</translation>
    </message>
    <message>
        <source>Choose a game from the list, or type the address of its host.</source>
        <translation>Choisissez une partie dans la liste, ou tapez l&apos;adresse de son hôte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address. Type the host&apos;s name or address, with a colon and the port after it if the port is not %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse. Tapez le nom ou l&apos;adresse de l&apos;hôte, suivi d&apos;un deux-points et du port si ce n&apos;est pas %2.</translation>
    </message>
    <message>
        <source>Joining the game at %1...</source>
        <translation>Connexion à la partie de %1...</translation>
    </message>
    <message>
        <source>You are at %1&apos;s table. The game begins when %1 starts it.</source>
        <translation>Vous êtes à la table de %1. La partie commence quand %1 la lance.</translation>
    </message>
    <message>
        <source>&amp;Leave</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>LobbyWindow</name>
    <message>
        <source>Host Network Game</source>
        <translation>Héberger une partie en réseau</translation>
    </message>
    <message>
        <source>&lt;b&gt;Seats&lt;/b&gt;</source>
        <translation>&lt;b&gt;Places&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Computer players take the seats nobody takes, at the skill level chosen in the Skill Level menu.</source>
        <translation>Les joueurs de l&apos;ordinateur prennent les places restées libres, au niveau choisi dans le menu Niveau.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Commencer</translation>
    </message>
    <message>
        <source>(this computer is on no network)</source>
        <translation>(cet ordinateur n&apos;est sur aucun réseau)</translation>
    </message>
    <message>
        <source>Your game is open. Others find it under Game &gt; Join Network Game... on your local network, or join it by typing one of these addresses:</source>
        <translation>Votre partie est ouverte. Les autres la trouvent dans Partie &gt; Rejoindre une partie en réseau... sur votre réseau local, ou la rejoignent en tapant l&apos;une de ces adresses&#xa0;:</translation>
    </message>
    <message>
        <source>To play over the internet, your router must pass TCP port %1 on to this computer.</source>
        <translation>Pour jouer par Internet, votre routeur doit rediriger le port TCP %1 vers cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Distribuer</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Scores</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistiques...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Host Network Game...</source>
        <translation>&amp;Héberger une partie en réseau...</translation>
    </message>
    <message>
        <source>&amp;Join Network Game...</source>
        <translation>Re&amp;joindre une partie en réseau...</translation>
    </message>
    <message>
        <source>&amp;Leave Network Game</source>
        <translation>Quitter &amp;la partie en réseau</translation>
    </message>
    <message>
        <source>&amp;Skill Level</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>&amp;Couleur du tapis...</translation>
    </message>
    <message>
        <source>&amp;Show Card Count</source>
        <translation>Afficher le &amp;nombre de cartes</translation>
    </message>
    <message>
        <source>&amp;Animate Moves</source>
        <translation>&amp;Animer les coups</translation>
    </message>
    <message>
        <source>Stuck &amp;Cue</source>
        <translation>Signaler le &amp;blocage</translation>
    </message>
    <message>
        <source>&amp;Reset Options</source>
        <translation>&amp;Réinitialiser les options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;No one can play</source>
        <translation>Personne ne peut &amp;jouer</translation>
    </message>
    <message>
        <source>Only %1, who hosts this game, decides this</source>
        <translation>C&apos;est %1, l&apos;hôte de la partie, qui en décide</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>Middle Guy</source>
        <translation>Monsieur Milieu</translation>
    </message>
    <message>
        <source>Left Guy</source>
        <translation>Monsieur Gauche</translation>
    </message>
    <message>
        <source>Right Guy</source>
        <translation>Monsieur Droite</translation>
    </message>
    <message>
        <source>&amp;Super Easy</source>
        <translation>&amp;Super facile</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Really Hard</source>
        <translation>&amp;Très difficile</translation>
    </message>
    <message>
        <source>&amp;Blinding</source>
        <translation>F&amp;ulgurant</translation>
    </message>
    <message>
        <source>%1 v%2</source>
        <translation>%1 v%2</translation>
    </message>
    <message>
        <source>You</source>
        <comment>the owner of a place, as in: %1&apos;s stock</comment>
        <translation>vous</translation>
    </message>
    <message>
        <source>Middle Guy</source>
        <comment>the owner of a place, as in: %1&apos;s stock</comment>
        <translation>Monsieur Milieu</translation>
    </message>
    <message>
        <source>Left Guy</source>
        <comment>the owner of a place, as in: %1&apos;s stock</comment>
        <translation>Monsieur Gauche</translation>
    </message>
    <message>
        <source>Right Guy</source>
        <comment>the owner of a place, as in: %1&apos;s stock</comment>
        <translation>Monsieur Droite</translation>
    </message>
</context>
<context>
    <name>NetworkPlay</name>
    <message>
        <source>The network part of the game could not be loaded, so it cannot be played with others now.</source>
        <translation>Le module réseau du jeu n&apos;a pas pu être chargé&#xa0;: impossible de jouer avec d&apos;autres pour le moment.</translation>
    </message>
    <message>
        <source>Your &amp;name, as the others will see it:</source>
        <translation>Votre &amp;nom, tel que les autres le verront&#xa0;:</translation>
    </message>
    <message>
        <source>A name needs at least one letter or figure. Your &amp;name:</source>
        <translation>Un nom doit contenir au moins une lettre ou un chiffre. Votre &amp;nom&#xa0;:</translation>
    </message>
    <message>
        <source>Host Network Game</source>
        <translation>Héberger une partie en réseau</translation>
    </message>
    <message>
        <source>The game could not be opened to others on port %1: %2</source>
        <translation>La partie n&apos;a pas pu être ouverte aux autres sur le port %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>End the network game for everyone? The others go back to games of their own; yours goes on with computer players in their seats.</source>
        <translation>Terminer la partie en réseau pour tout le monde&#xa0;? Les autres retrouvent chacun leur propre partie&#xa0;; la vôtre continue avec des joueurs de l&apos;ordinateur à leurs places.</translation>
    </message>
    <message>
        <source>Games on the local network cannot be listed (%1). Type the address of the host instead.</source>
        <translation>Impossible de lister les parties du réseau local (%1). Tapez plutôt l&apos;adresse de l&apos;hôte.</translation>
    </message>
    <message>
        <source>Type your name first: the others see it beside your piles.</source>
        <translation>Tapez d&apos;abord votre nom&#xa0;: les autres le voient à côté de vos piles.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost. Coming back...</source>
        <translation>La connexion avec %1 est perdue. Reconnexion...</translation>
    </message>
    <message>
        <source>You are back at a game of your own.</source>
        <translation>Vous voici de retour dans votre propre partie.</translation>
    </message>
    <message>
        <source>%1 ended the network game.</source>
        <translation>%1 a mis fin à la partie en réseau.</translation>
    </message>
    <message>
        <source>%1 has left, and the network game is over.</source>
        <translation>%1 a quitté le jeu, et la partie en réseau est terminée.</translation>
    </message>
    <message>
        <source>No game answered at %1.</source>
        <translation>Aucune partie n&apos;a répondu à %1.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost and could not be made again.</source>
        <translation>La connexion avec %1 a été perdue et n&apos;a pas pu être rétablie.</translation>
    </message>
    <message>
        <source>The connection to %1 was closed: its messages could not be understood.</source>
        <translation>La connexion avec %1 a été fermée&#xa0;: ses messages étaient incompréhensibles.</translation>
    </message>
    <message>
        <source>The game at %1 runs Zanfel %2, which cannot play with this Zanfel %3.</source>
        <translation>La partie de %1 tourne sous Zanfel %2, qui ne peut pas jouer avec ce Zanfel %3.</translation>
    </message>
    <message>
        <source>%1 (network version %2)</source>
        <translation>%1 (version réseau %2)</translation>
    </message>
    <message>
        <source>The game at %1 has started already: it takes no new players.</source>
        <translation>La partie de %1 a déjà commencé&#xa0;: elle n&apos;accepte plus de joueurs.</translation>
    </message>
    <message>
        <source>Every seat in the game at %1 is taken.</source>
        <translation>Toutes les places de la partie de %1 sont prises.</translation>
    </message>
    <message>
        <source>%1 took you off the table.</source>
        <translation>%1 vous a retiré de la table.</translation>
    </message>
    <message>
        <source>%1&apos;s game no longer keeps your seat.</source>
        <translation>La partie de %1 ne vous garde plus de place.</translation>
    </message>
    <message>
        <source>The game at %1 is busy with others joining. Try again in a moment.</source>
        <translation>La partie de %1 est occupée par d&apos;autres arrivées. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>That name cannot be used: type another.</source>
        <translation>Ce nom ne peut pas être utilisé&#xa0;: tapez-en un autre.</translation>
    </message>
    <message>
        <source>The game at %1 did not let you join.</source>
        <translation>La partie de %1 ne vous a pas laissé entrer.</translation>
    </message>
</context>
<context>
    <name>PauseVeil</name>
    <message>
        <source>Paused: Ctrl+Z to go on</source>
        <translation>Pause&#xa0;: Ctrl+Z pour reprendre</translation>
    </message>
</context>
<context>
    <name>PlaceNames</name>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>valet</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>roi</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>Your stock</source>
        <translation>Votre pioche</translation>
    </message>
    <message>
        <source>Your personal pile</source>
        <translation>Votre pile personnelle</translation>
    </message>
    <message>
        <source>Your work pile %1</source>
        <translation>Votre pile de travail %1</translation>
    </message>
    <message>
        <source>%1&apos;s stock</source>
        <translation>Pioche de %1</translation>
    </message>
    <message>
        <source>%1&apos;s personal pile</source>
        <translation>Pile personnelle de %1</translation>
    </message>
    <message>
        <source>%1&apos;s work pile %2</source>
        <translation>Pile de travail %2 de %1</translation>
    </message>
    <message>
        <source>a card face down</source>
        <translation>une carte face cachée</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: &quot;nine of clubs&quot;; %1 is the rank, %2 the suit.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Your deck</source>
        <translation>Votre paquet</translation>
    </message>
    <message>
        <source>%1&apos;s deck</source>
        <translation>Paquet de %1</translation>
    </message>
    <message>
        <source>Foundation %1</source>
        <translation>Fondation %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A place and the card it shows: &quot;Your work pile 2: nine of clubs&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n cards</source>
        <extracomment>A place, its card and how many cards it holds: &quot;Your stock: ace of spades, 14 cards&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n&#xa0;carte</numerusform>
            <numerusform>%1, %n&#xa0;cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>Whoever empties a personal pile first goes out and ends the hand.</source>
        <translation>Le premier qui vide sa pile personnelle sort et termine la manche.</translation>
    </message>
</context>
<context>
    <name>PlayAgain</name>
    <message>
        <source>We have a tie !!</source>
        <translation>Égalité&#xa0;!!</translation>
    </message>
    <message>
        <source>%1 won !!</source>
        <translation>%1 a gagné&#xa0;!!</translation>
    </message>
    <message>
        <source>You Won !!</source>
        <translation>Vous avez gagné&#xa0;!!</translation>
    </message>
    <message>
        <source>The middle player won !!</source>
        <translation>Le joueur du milieu a gagné&#xa0;!!</translation>
    </message>
    <message>
        <source>The left player won !!</source>
        <translation>Le joueur de gauche a gagné&#xa0;!!</translation>
    </message>
    <message>
        <source>The player on the right won !!</source>
        <translation>Le joueur de droite a gagné&#xa0;!!</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>Voulez-vous rejouer&#xa0;?</translation>
    </message>
    <message>
        <source>%1 hosts this game and answers for everyone.</source>
        <translation>%1 héberge la partie et répond pour tous.</translation>
    </message>
    <message>
        <source>Only %1, who hosts this game, decides whether to play again</source>
        <translation>C&apos;est %1, l&apos;hôte de la partie, qui décide de rejouer ou non</translation>
    </message>
</context>
<context>
    <name>RecordFigures</name>
    <message>
        <source>Hands played</source>
        <translation>Manches jouées</translation>
    </message>
    <message>
        <source>Hands you went out</source>
        <translation>Manches où vous sortez</translation>
    </message>
    <message>
        <source>Hands you scored highest</source>
        <translation>Manches au meilleur score</translation>
    </message>
    <message>
        <source>Best hand score</source>
        <translation>Meilleure manche</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Parties gagnées</translation>
    </message>
    <message>
        <source>Best final total</source>
        <translation>Meilleur total final</translation>
    </message>
    <message>
        <source>Current winning run</source>
        <translation>Série de victoires en cours</translation>
    </message>
    <message>
        <source>Longest winning run</source>
        <translation>Plus longue série de victoires</translation>
    </message>
</context>
<context>
    <name>SavedColour</name>
    <message>
        <source>Error encountered in GetColors routine - %1 %2</source>
        <translation>Erreur dans la routine GetColors - %1 %2</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Your Score</source>
        <translation>Votre score</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Feuille de marque</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A column of the sheet read out: &quot;Left Guy: 12, -4, 20&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 total: %2</source>
        <translation>%1, total&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SeatCaptions</name>
    <message>
        <source>%1 is back</source>
        <translation>%1 est de retour</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 a quitté la table</translation>
    </message>
    <message>
        <source>Personal pile: %1</source>
        <translation>Pile personnelle&#xa0;: %1</translation>
    </message>
    <message>
        <source>Asks for No one can play</source>
        <translation>Demande Personne ne peut jouer</translation>
    </message>
</context>
<context>
    <name>SeatList</name>
    <message>
        <source>Left:</source>
        <translation>À gauche&#xa0;:</translation>
    </message>
    <message>
        <source>Across:</source>
        <translation>En face&#xa0;:</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>À droite&#xa0;:</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Hôte&#xa0;:</translation>
    </message>
    <message>
        <source>To the Left Seat</source>
        <translation>À la place de gauche</translation>
    </message>
    <message>
        <source>To the Seat Across</source>
        <translation>À la place d&apos;en face</translation>
    </message>
    <message>
        <source>To the Right Seat</source>
        <translation>À la place de droite</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>%1, a computer player</source>
        <translation>%1, joueur de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>%1 (you)</source>
        <translation>%1 (vous)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The table colour could not be saved. It stays on the table for now, but the game will not remember it next time.</source>
        <translation>La couleur du tapis n&apos;a pas pu être enregistrée. Elle reste sur la table pour l&apos;instant, mais le jeu ne s&apos;en souviendra pas la prochaine fois.</translation>
    </message>
    <message>
        <source>Your record could not be saved. Play goes on, but the game will not remember this run&apos;s hands next time.</source>
        <translation>Votre bilan n&apos;a pas pu être enregistré. Le jeu continue, mais les manches de cette séance seront oubliées la prochaine fois.</translation>
    </message>
</context>
<context>
    <name>SoundOption</name>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>Ri&amp;vals&apos; Sounds</source>
        <translation>Sons des ad&amp;versaires</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Remettre à zéro</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A hand counts at the easiest level it was played at, a game at the easiest of its hands.</source>
        <translation>Une manche compte au niveau le plus facile où elle a été jouée, une partie au plus facile de ses manches.</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Clear your record at every skill level? This cannot be undone.</source>
        <translation>Effacer votre bilan à tous les niveaux&#xa0;? C&apos;est irréversible.</translation>
    </message>
</context>
<context>
    <name>TableLayers</name>
    <message>
        <source>%1 paused the game</source>
        <translation>%1 a mis le jeu en pause</translation>
    </message>
    <message>
        <source>You paused the game: Ctrl+Z to go on</source>
        <translation>Vous avez mis le jeu en pause&#xa0;: Ctrl+Z pour reprendre</translation>
    </message>
</context>
<context>
    <name>ZoomOption</name>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
</context>
</TS>
