<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Zanfel team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Released December 2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnnouncementWindow</name>
    <message>
        <source>You went out!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 went out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You won this hand !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Someone else called...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 won this hand !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardTable</name>
    <message>
        <source>Click the back of your deck for 3 more cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host deals the next hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the back of the red card to deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the back of the red deck to deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the back of the red deck for 3 more cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Count:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of your cards can move. Try No one can play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Open a network game&apos;s lobby at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join the network game hosted at ADDRESS[:PORT].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port others join on (%1 unless given).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name, as the others will see it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--host and --join cannot be given together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port goes with --host; a joining player types the port after the address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--name goes with --host or --join.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no port: give a number from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address: give the host&apos;s name or address, and :PORT if not %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FaceOption</name>
    <message>
        <source>Card &amp;Faces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Four-Colour Suits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Large Indices</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>The file is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is far too large to be the game&apos;s help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a compiled help file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its table of contents cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its first page cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpOpener</name>
    <message>
        <source>The help file &quot;%1&quot; could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JoinWindow</name>
    <message>
        <source>Zanfel %1: cannot play with this version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 free seat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 free seats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join Network Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Games on your local network:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a host elsewhere: its address, and :port if not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host &amp;address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for games...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a game from the list, or type the address of its host.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address. Type the host&apos;s name or address, with a colon and the port after it if the port is not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joining the game at %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are at %1&apos;s table. The game begins when %1 starts it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Leave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LobbyWindow</name>
    <message>
        <source>Host Network Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Seats&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer players take the seats nobody takes, at the skill level chosen in the Skill Level menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(this computer is on no network)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your game is open. Others find it under Game &gt; Join Network Game... on your local network, or join it by typing one of these addresses:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To play over the internet, your router must pass TCP port %1 on to this computer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Host Network Game...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Join Network Game...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Leave Network Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skill Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Card Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Animate Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stuck &amp;Cue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No one can play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1, who hosts this game, decides this</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle Guy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Guy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Guy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Super Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Really Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Blinding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 v%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkPlay</name>
    <message>
        <source>The network part of the game could not be loaded, so it cannot be played with others now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your &amp;name, as the others will see it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name needs at least one letter or figure. Your &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host Network Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be opened to others on port %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End the network game for everyone? The others go back to games of their own; yours goes on with computer players in their seats.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games on the local network cannot be listed (%1). Type the address of the host instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type your name first: the others see it beside your piles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to %1 was lost. Coming back...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are back at a game of your own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ended the network game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has left, and the network game is over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game answered at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to %1 was lost and could not be made again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to %1 was closed: its messages could not be understood.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game at %1 runs Zanfel %2, which cannot play with this Zanfel %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (network version %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game at %1 has started already: it takes no new players.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every seat in the game at %1 is taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 took you off the table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s game no longer keeps your seat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game at %1 is busy with others joining. Try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That name cannot be used: type another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game at %1 did not let you join.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PauseVeil</name>
    <message>
        <source>Paused: Ctrl+Z to go on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaceNames</name>
    <message>
        <source>ace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>king</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your personal pile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your work pile %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s personal pile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s work pile %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a card face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: &quot;nine of clubs&quot;; %1 is the rank, %2 the suit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foundation %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A place and the card it shows: &quot;Your work pile 2: nine of clubs&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1, %n cards</source>
        <extracomment>A place, its card and how many cards it holds: &quot;Your stock: ace of spades, 14 cards&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Whoever empties a personal pile first goes out and ends the hand.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayAgain</name>
    <message>
        <source>We have a tie !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 won !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Won !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The middle player won !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The left player won !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The player on the right won !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hosts this game and answers for everyone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1, who hosts this game, decides whether to play again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordFigures</name>
    <message>
        <source>Hands played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hands you went out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hands you scored highest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best hand score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best final total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current winning run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest winning run</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SavedColour</name>
    <message>
        <source>Error encountered in GetColors routine - %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Your Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A column of the sheet read out: &quot;Left Guy: 12, -4, 20&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 total: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeatCaptions</name>
    <message>
        <source>%1 is back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal pile: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asks for No one can play</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeatList</name>
    <message>
        <source>Left:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Across:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To the Left Seat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To the Seat Across</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To the Right Seat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, a computer player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (you)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The table colour could not be saved. It stays on the table for now, but the game will not remember it next time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your record could not be saved. Play goes on, but the game will not remember this run&apos;s hands next time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundOption</name>
    <message>
        <source>S&amp;ound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ri&amp;vals&apos; Sounds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A hand counts at the easiest level it was played at, a game at the easiest of its hands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear your record at every skill level? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableLayers</name>
    <message>
        <source>%1 paused the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You paused the game: Ctrl+Z to go on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZoomOption</name>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
