<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>%1, Zanfel team</source>
        <translation>%1, Zanfel-Team</translation>
    </message>
    <message>
        <source>Released December 2026</source>
        <translation>Stand: Dezember 2026</translation>
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
        <translation>Du bist fertig!</translation>
    </message>
    <message>
        <source>%1 went out.</source>
        <translation>%1 ist fertig.</translation>
    </message>
    <message>
        <source>You won this hand !!</source>
        <translation>Du hast die Runde gewonnen!!</translation>
    </message>
    <message>
        <source>Someone else called...</source>
        <translation>Ein anderer war schneller...</translation>
    </message>
    <message>
        <source>%1 won this hand !!</source>
        <translation>%1 hat die Runde gewonnen!!</translation>
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
        <translation>Klick auf deinen Stapel für 3 weitere Karten</translation>
    </message>
    <message>
        <source>The host deals the next hand</source>
        <translation>Der Gastgeber gibt die nächste Runde</translation>
    </message>
    <message>
        <source>Click the back of the red card to deal</source>
        <translation>Klick auf die rote Karte, um zu geben</translation>
    </message>
    <message>
        <source>Click the back of the red deck to deal</source>
        <translation>Klick auf den roten Stapel, um zu geben</translation>
    </message>
    <message>
        <source>Click the back of the red deck for 3 more cards</source>
        <translation>Klick auf den roten Stapel für 3 weitere Karten</translation>
    </message>
    <message>
        <source>Card Count:</source>
        <translation>Kartenzahl:</translation>
    </message>
    <message>
        <source>None of your cards can move. Try No one can play.</source>
        <translation>Keine deiner Karten passt. Versuch „Kein Zug möglich“.</translation>
    </message>
    <message>
        <source>Cards in %1: %2</source>
        <translation>%1, Karten: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Open a network game&apos;s lobby at once.</source>
        <translation>Sofort die Lobby eines Netzwerkspiels öffnen.</translation>
    </message>
    <message>
        <source>Join the network game hosted at ADDRESS[:PORT].</source>
        <translation>Dem Netzwerkspiel unter ADDRESS[:PORT] beitreten.</translation>
    </message>
    <message>
        <source>The port others join on (%1 unless given).</source>
        <translation>Der Port, über den andere beitreten (ohne Angabe %1).</translation>
    </message>
    <message>
        <source>Your name, as the others will see it.</source>
        <translation>Dein Name, wie ihn die anderen sehen.</translation>
    </message>
    <message>
        <source>Unknown argument: %1</source>
        <translation>Unbekanntes Argument: %1</translation>
    </message>
    <message>
        <source>--host and --join cannot be given together.</source>
        <translation>--host und --join gehen nicht zusammen.</translation>
    </message>
    <message>
        <source>--port goes with --host; a joining player types the port after the address.</source>
        <translation>--port gehört zu --host; wer beitritt, gibt den Port hinter der Adresse an.</translation>
    </message>
    <message>
        <source>--name goes with --host or --join.</source>
        <translation>--name gehört zu --host oder --join.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no port: give a number from 1 to 65535.</source>
        <translation>„%1“ ist kein Port: Gib eine Zahl von 1 bis 65535 an.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address: give the host&apos;s name or address, and :PORT if not %2.</source>
        <translation>„%1“ ist keine Adresse: Gib den Namen oder die Adresse des Gastgebers an, dazu :PORT, wenn nicht %2.</translation>
    </message>
</context>
<context>
    <name>FaceOption</name>
    <message>
        <source>Card &amp;Faces</source>
        <translation>Karten&amp;darstellung</translation>
    </message>
    <message>
        <source>&amp;Four-Colour Suits</source>
        <translation>&amp;Vierfarbiges Blatt</translation>
    </message>
    <message>
        <source>&amp;Large Indices</source>
        <translation>&amp;Große Eckzeichen</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>The file is missing.</source>
        <translation>Die Datei fehlt.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is far too large to be the game&apos;s help.</source>
        <translation>Die Datei ist viel zu groß für die Hilfe des Spiels.</translation>
    </message>
    <message>
        <source>It is damaged.</source>
        <translation>Sie ist beschädigt.</translation>
    </message>
    <message>
        <source>It is not a compiled help file.</source>
        <translation>Sie ist keine kompilierte Hilfedatei.</translation>
    </message>
    <message>
        <source>Its table of contents cannot be read.</source>
        <translation>Ihr Inhaltsverzeichnis ist nicht lesbar.</translation>
    </message>
    <message>
        <source>Its first page cannot be read.</source>
        <translation>Ihre erste Seite ist nicht lesbar.</translation>
    </message>
</context>
<context>
    <name>HelpOpener</name>
    <message>
        <source>The help file &quot;%1&quot; could not be opened.</source>
        <translation>Die Hilfedatei „%1“ konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1-Hilfe</translation>
    </message>
</context>
<context>
    <name>JoinWindow</name>
    <message>
        <source>Zanfel %1: cannot play with this version</source>
        <translation>Zanfel %1: passt nicht zu dieser Version</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Läuft schon</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Voll</translation>
    </message>
    <message>
        <source>1 free seat</source>
        <translation>1 freier Platz</translation>
    </message>
    <message>
        <source>%1 free seats</source>
        <translation>%1 freie Plätze</translation>
    </message>
    <message>
        <source>Join Network Game</source>
        <translation>Netzwerkspiel beitreten</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Beitreten</translation>
    </message>
    <message>
        <source>&amp;Games on your local network:</source>
        <translation>&amp;Spiele in deinem lokalen Netzwerk:</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Gastgeber</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Plätze</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>a host elsewhere: its address, and :port if not %1</source>
        <translation>ein Gastgeber anderswo: seine Adresse, dazu :Port, wenn nicht %1</translation>
    </message>
    <message>
        <source>Host &amp;address:</source>
        <translation>&amp;Adresse des Gastgebers:</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Dein &amp;Name:</translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation>Suche nach Spielen...</translation>
    </message>
    <message>
        <source>Choose a game from the list, or type the address of its host.</source>
        <translation>Wähle ein Spiel aus der Liste oder gib die Adresse seines Gastgebers ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address. Type the host&apos;s name or address, with a colon and the port after it if the port is not %2.</source>
        <translation>„%1“ ist keine Adresse. Gib den Namen oder die Adresse des Gastgebers ein, mit Doppelpunkt und Port dahinter, wenn der Port nicht %2 ist.</translation>
    </message>
    <message>
        <source>Joining the game at %1...</source>
        <translation>Verbinde mit dem Spiel bei %1...</translation>
    </message>
    <message>
        <source>You are at %1&apos;s table. The game begins when %1 starts it.</source>
        <translation>Du sitzt am Tisch von %1. Das Spiel beginnt, wenn %1 es startet.</translation>
    </message>
    <message>
        <source>&amp;Leave</source>
        <translation>&amp;Verlassen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>LobbyWindow</name>
    <message>
        <source>Host Network Game</source>
        <translation>Netzwerkspiel eröffnen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Seats&lt;/b&gt;</source>
        <translation>&lt;b&gt;Plätze&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Computer players take the seats nobody takes, at the skill level chosen in the Skill Level menu.</source>
        <translation>Freie Plätze übernehmen Computerspieler, auf der Stufe aus dem Menü „Schwierigkeit“.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>(this computer is on no network)</source>
        <translation>(dieser Computer ist in keinem Netzwerk)</translation>
    </message>
    <message>
        <source>Your game is open. Others find it under Game &gt; Join Network Game... on your local network, or join it by typing one of these addresses:</source>
        <translation>Dein Spiel ist offen. Andere finden es in deinem lokalen Netzwerk unter Spiel &gt; Netzwerkspiel beitreten... oder geben eine dieser Adressen ein:</translation>
    </message>
    <message>
        <source>To play over the internet, your router must pass TCP port %1 on to this computer.</source>
        <translation>Um übers Internet zu spielen, muss dein Router den TCP-Port %1 an diesen Computer weiterleiten.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Geben</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>Punkte&amp;liste</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistik...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Host Network Game...</source>
        <translation>Netzwerkspiel &amp;eröffnen...</translation>
    </message>
    <message>
        <source>&amp;Join Network Game...</source>
        <translation>Netzwerkspiel be&amp;itreten...</translation>
    </message>
    <message>
        <source>&amp;Leave Network Game</source>
        <translation>Netzwerkspiel &amp;verlassen</translation>
    </message>
    <message>
        <source>&amp;Skill Level</source>
        <translation>Sch&amp;wierigkeit</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>&amp;Hintergrundfarbe...</translation>
    </message>
    <message>
        <source>&amp;Show Card Count</source>
        <translation>&amp;Kartenzahl anzeigen</translation>
    </message>
    <message>
        <source>&amp;Animate Moves</source>
        <translation>Züge &amp;animieren</translation>
    </message>
    <message>
        <source>Stuck &amp;Cue</source>
        <translation>Hinweis bei &amp;Stillstand</translation>
    </message>
    <message>
        <source>&amp;Reset Options</source>
        <translation>Optionen &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Zanfel</translation>
    </message>
    <message>
        <source>&amp;No one can play</source>
        <translation>&amp;Kein Zug möglich</translation>
    </message>
    <message>
        <source>Only %1, who hosts this game, decides this</source>
        <translation>Das entscheidet nur %1 als Gastgeber</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Middle Guy</source>
        <translation>Herr Mitte</translation>
    </message>
    <message>
        <source>Left Guy</source>
        <translation>Herr Links</translation>
    </message>
    <message>
        <source>Right Guy</source>
        <translation>Herr Rechts</translation>
    </message>
    <message>
        <source>&amp;Super Easy</source>
        <translation>&amp;Kinderleicht</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Leicht</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Really Hard</source>
        <translation>&amp;Sehr schwer</translation>
    </message>
    <message>
        <source>&amp;Blinding</source>
        <translation>&amp;Blitzschnell</translation>
    </message>
    <message>
        <source>%1 v%2</source>
        <translation>%1 v%2</translation>
    </message>
    <message>
        <source>You</source>
        <comment>the owner of a place, as in: %1&apos;s stock</comment>
        <translation>dir</translation>
    </message>
    <message>
        <source>Middle Guy</source>
        <comment>the owner of a place, as in: %1&apos;s stock</comment>
        <translation>Herrn Mitte</translation>
    </message>
    <message>
        <source>Left Guy</source>
        <comment>the owner of a place, as in: %1&apos;s stock</comment>
        <translation>Herrn Links</translation>
    </message>
    <message>
        <source>Right Guy</source>
        <comment>the owner of a place, as in: %1&apos;s stock</comment>
        <translation>Herrn Rechts</translation>
    </message>
</context>
<context>
    <name>NetworkPlay</name>
    <message>
        <source>The network part of the game could not be loaded, so it cannot be played with others now.</source>
        <translation>Der Netzwerkteil des Spiels konnte nicht geladen werden, deshalb geht das Spielen mit anderen jetzt nicht.</translation>
    </message>
    <message>
        <source>Your &amp;name, as the others will see it:</source>
        <translation>Dein &amp;Name, wie ihn die anderen sehen:</translation>
    </message>
    <message>
        <source>A name needs at least one letter or figure. Your &amp;name:</source>
        <translation>Ein Name braucht mindestens einen Buchstaben oder eine Ziffer. Dein &amp;Name:</translation>
    </message>
    <message>
        <source>Host Network Game</source>
        <translation>Netzwerkspiel eröffnen</translation>
    </message>
    <message>
        <source>The game could not be opened to others on port %1: %2</source>
        <translation>Das Spiel konnte auf Port %1 nicht für andere geöffnet werden: %2</translation>
    </message>
    <message>
        <source>End the network game for everyone? The others go back to games of their own; yours goes on with computer players in their seats.</source>
        <translation>Das Netzwerkspiel für alle beenden? Die anderen spielen wieder für sich; dein Spiel geht mit Computerspielern auf ihren Plätzen weiter.</translation>
    </message>
    <message>
        <source>Games on the local network cannot be listed (%1). Type the address of the host instead.</source>
        <translation>Die Spiele im lokalen Netzwerk lassen sich nicht auflisten (%1). Gib stattdessen die Adresse des Gastgebers ein.</translation>
    </message>
    <message>
        <source>Type your name first: the others see it beside your piles.</source>
        <translation>Gib zuerst deinen Namen ein: Die anderen sehen ihn neben deinen Stapeln.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost. Coming back...</source>
        <translation>Die Verbindung zu %1 ist abgerissen. Verbinde neu...</translation>
    </message>
    <message>
        <source>You are back at a game of your own.</source>
        <translation>Du spielst wieder für dich allein.</translation>
    </message>
    <message>
        <source>%1 ended the network game.</source>
        <translation>%1 hat das Netzwerkspiel beendet.</translation>
    </message>
    <message>
        <source>%1 has left, and the network game is over.</source>
        <translation>%1 ist gegangen, das Netzwerkspiel ist vorbei.</translation>
    </message>
    <message>
        <source>No game answered at %1.</source>
        <translation>Unter %1 hat kein Spiel geantwortet.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost and could not be made again.</source>
        <translation>Die Verbindung zu %1 ist abgerissen und ließ sich nicht wiederherstellen.</translation>
    </message>
    <message>
        <source>The connection to %1 was closed: its messages could not be understood.</source>
        <translation>Die Verbindung zu %1 wurde geschlossen: Die Nachrichten von dort waren unverständlich.</translation>
    </message>
    <message>
        <source>The game at %1 runs Zanfel %2, which cannot play with this Zanfel %3.</source>
        <translation>Das Spiel bei %1 läuft mit Zanfel %2, das nicht mit diesem Zanfel %3 spielen kann.</translation>
    </message>
    <message>
        <source>%1 (network version %2)</source>
        <translation>%1 (Netzwerkversion %2)</translation>
    </message>
    <message>
        <source>The game at %1 has started already: it takes no new players.</source>
        <translation>Das Spiel bei %1 hat schon begonnen: Es nimmt keine neuen Spieler auf.</translation>
    </message>
    <message>
        <source>Every seat in the game at %1 is taken.</source>
        <translation>Im Spiel bei %1 sind alle Plätze besetzt.</translation>
    </message>
    <message>
        <source>%1 took you off the table.</source>
        <translation>%1 hat dich vom Tisch genommen.</translation>
    </message>
    <message>
        <source>%1&apos;s game no longer keeps your seat.</source>
        <translation>Das Spiel von %1 hält deinen Platz nicht mehr frei.</translation>
    </message>
    <message>
        <source>The game at %1 is busy with others joining. Try again in a moment.</source>
        <translation>Im Spiel bei %1 treten gerade andere bei. Versuch es gleich noch einmal.</translation>
    </message>
    <message>
        <source>That name cannot be used: type another.</source>
        <translation>Dieser Name geht nicht: Gib einen anderen ein.</translation>
    </message>
    <message>
        <source>The game at %1 did not let you join.</source>
        <translation>Das Spiel bei %1 hat dich nicht beitreten lassen.</translation>
    </message>
</context>
<context>
    <name>PauseVeil</name>
    <message>
        <source>Paused: Ctrl+Z to go on</source>
        <translation>Pause: Strg+Z zum Weiterspielen</translation>
    </message>
</context>
<context>
    <name>PlaceNames</name>
    <message>
        <source>ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>König</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Your stock</source>
        <translation>Dein Vorrat</translation>
    </message>
    <message>
        <source>Your personal pile</source>
        <translation>Dein persönlicher Stapel</translation>
    </message>
    <message>
        <source>Your work pile %1</source>
        <translation>Dein Arbeitsstapel %1</translation>
    </message>
    <message>
        <source>%1&apos;s stock</source>
        <translation>Vorrat von %1</translation>
    </message>
    <message>
        <source>%1&apos;s personal pile</source>
        <translation>Persönlicher Stapel von %1</translation>
    </message>
    <message>
        <source>%1&apos;s work pile %2</source>
        <translation>Arbeitsstapel %2 von %1</translation>
    </message>
    <message>
        <source>a card face down</source>
        <translation>eine verdeckte Karte</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: &quot;nine of clubs&quot;; %1 is the rank, %2 the suit.</extracomment>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>Your deck</source>
        <translation>Dein Stapel</translation>
    </message>
    <message>
        <source>%1&apos;s deck</source>
        <translation>Stapel von %1</translation>
    </message>
    <message>
        <source>Foundation %1</source>
        <translation>Ablagestapel %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A place and the card it shows: &quot;Your work pile 2: nine of clubs&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n cards</source>
        <extracomment>A place, its card and how many cards it holds: &quot;Your stock: ace of spades, 14 cards&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n Karte</numerusform>
            <numerusform>%1, %n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>Whoever empties a personal pile first goes out and ends the hand.</source>
        <translation>Wer zuerst einen persönlichen Stapel leert, ist fertig und beendet die Runde.</translation>
    </message>
</context>
<context>
    <name>PlayAgain</name>
    <message>
        <source>We have a tie !!</source>
        <translation>Unentschieden!!</translation>
    </message>
    <message>
        <source>%1 won !!</source>
        <translation>%1 hat gewonnen!!</translation>
    </message>
    <message>
        <source>You Won !!</source>
        <translation>Du hast gewonnen!!</translation>
    </message>
    <message>
        <source>The middle player won !!</source>
        <translation>Der mittlere Spieler hat gewonnen!!</translation>
    </message>
    <message>
        <source>The left player won !!</source>
        <translation>Der linke Spieler hat gewonnen!!</translation>
    </message>
    <message>
        <source>The player on the right won !!</source>
        <translation>Der Spieler rechts hat gewonnen!!</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>Willst du noch einmal spielen?</translation>
    </message>
    <message>
        <source>%1 hosts this game and answers for everyone.</source>
        <translation>%1 ist Gastgeber und antwortet für alle.</translation>
    </message>
    <message>
        <source>Only %1, who hosts this game, decides whether to play again</source>
        <translation>Nur %1 als Gastgeber entscheidet, ob noch einmal gespielt wird</translation>
    </message>
</context>
<context>
    <name>RecordFigures</name>
    <message>
        <source>Hands played</source>
        <translation>Gespielte Runden</translation>
    </message>
    <message>
        <source>Hands you went out</source>
        <translation>Zuerst fertig</translation>
    </message>
    <message>
        <source>Hands you scored highest</source>
        <translation>Rundensiege</translation>
    </message>
    <message>
        <source>Best hand score</source>
        <translation>Beste Runde</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Gewonnene Spiele</translation>
    </message>
    <message>
        <source>Best final total</source>
        <translation>Bestes Endergebnis</translation>
    </message>
    <message>
        <source>Current winning run</source>
        <translation>Aktuelle Siegesserie</translation>
    </message>
    <message>
        <source>Longest winning run</source>
        <translation>Längste Siegesserie</translation>
    </message>
</context>
<context>
    <name>SavedColour</name>
    <message>
        <source>Error encountered in GetColors routine - %1 %2</source>
        <translation>Fehler in der Routine GetColors - %1 %2</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Unzulässiger Eigenschaftswert</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Your Score</source>
        <translation>Deine Punkte</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Punkteliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A column of the sheet read out: &quot;Left Guy: 12, -4, 20&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 total: %2</source>
        <translation>%1 gesamt: %2</translation>
    </message>
</context>
<context>
    <name>SeatCaptions</name>
    <message>
        <source>%1 is back</source>
        <translation>%1 ist zurück</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 ist gegangen</translation>
    </message>
    <message>
        <source>Personal pile: %1</source>
        <translation>Persönlicher Stapel: %1</translation>
    </message>
    <message>
        <source>Asks for No one can play</source>
        <translation>Bittet um „Kein Zug möglich“</translation>
    </message>
</context>
<context>
    <name>SeatList</name>
    <message>
        <source>Left:</source>
        <translation>Links:</translation>
    </message>
    <message>
        <source>Across:</source>
        <translation>Gegenüber:</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Rechts:</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Gastgeber:</translation>
    </message>
    <message>
        <source>To the Left Seat</source>
        <translation>Auf den linken Platz</translation>
    </message>
    <message>
        <source>To the Seat Across</source>
        <translation>Auf den Platz gegenüber</translation>
    </message>
    <message>
        <source>To the Right Seat</source>
        <translation>Auf den rechten Platz</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Umsetzen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>%1, a computer player</source>
        <translation>%1, ein Computerspieler</translation>
    </message>
    <message>
        <source>%1 (you)</source>
        <translation>%1 (du)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The table colour could not be saved. It stays on the table for now, but the game will not remember it next time.</source>
        <translation>Die Tischfarbe konnte nicht gespeichert werden. Sie bleibt vorerst auf dem Tisch, aber beim nächsten Mal kennt das Spiel sie nicht mehr.</translation>
    </message>
    <message>
        <source>Your record could not be saved. Play goes on, but the game will not remember this run&apos;s hands next time.</source>
        <translation>Deine Bilanz konnte nicht gespeichert werden. Das Spiel geht weiter, aber beim nächsten Mal fehlen ihm die Runden von heute.</translation>
    </message>
</context>
<context>
    <name>SoundOption</name>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>Ri&amp;vals&apos; Sounds</source>
        <translation>Töne der &amp;Gegner</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A hand counts at the easiest level it was played at, a game at the easiest of its hands.</source>
        <translation>Eine Runde zählt auf der leichtesten Stufe, auf der sie lief, ein Spiel auf der leichtesten seiner Runden.</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>Clear your record at every skill level? This cannot be undone.</source>
        <translation>Deine Bilanz auf allen Stufen löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>TableLayers</name>
    <message>
        <source>%1 paused the game</source>
        <translation>%1 hat das Spiel angehalten</translation>
    </message>
    <message>
        <source>You paused the game: Ctrl+Z to go on</source>
        <translation>Du hast das Spiel angehalten: Strg+Z zum Weiterspielen</translation>
    </message>
</context>
<context>
    <name>ZoomOption</name>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
</context>
</TS>
