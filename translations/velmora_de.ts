<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>Advisor</name>
        <message>
            <source>A</source>
            <comment>the Ace, on a card</comment>
            <translation>A</translation>
        </message>
        <message>
            <source>J</source>
            <comment>the Jack, on a card</comment>
            <translation>B</translation>
        </message>
        <message>
            <source>Q</source>
            <comment>the Queen, on a card</comment>
            <translation>D</translation>
        </message>
        <message>
            <source>K</source>
            <comment>the King, on a card</comment>
            <translation>K</translation>
        </message>
        <message>
            <source>no card</source>
            <translation>keine Karte</translation>
        </message>
        <message>
            <source>draw five new cards</source>
            <translation>fünf neue Karten ziehen</translation>
        </message>
        <message>
            <source>keep all five cards</source>
            <translation>alle fünf Karten halten</translation>
        </message>
        <message>
            <source>keep %1</source>
            <translation>%1 halten</translation>
        </message>
        <message>
            <source>slot %1</source>
            <translation>auf Platz %1</translation>
        </message>
        <message>
            <source>slots %1 to %2</source>
            <translation>auf die Plätze %1 bis %2</translation>
        </message>
        <message>
            <source>slots %1</source>
            <translation>auf die Plätze %1</translation>
        </message>
        <message>
            <source>the %1 of the last hand cannot come back into %2</source>
            <translation>%1 aus der letzten Hand kann nicht wieder %2 kommen</translation>
        </message>
        <message>
            <source>so keeping %1 cannot make a %2</source>
            <translation>also ist mit %1 hier kein „%2“ möglich</translation>
        </message>
        <message>
            <source>so keeping %1 is worth %2 here, not %3</source>
            <translation>also ist %1 zu halten hier %2 wert, nicht %3</translation>
        </message>
        <message>
            <source>%1, %2.</source>
            <translation>%1, %2.</translation>
        </message>
    </context>
    <context>
        <name>Chart</name>
        <message>
            <source>T</source>
            <comment>the Ten, on a strategy chart</comment>
            <translation>10</translation>
        </message>
        <message>
            <source>straight or better</source>
            <translation>Straße oder besser</translation>
        </message>
        <message>
            <source>high pair</source>
            <translation>hohes Paar</translation>
        </message>
        <message>
            <source>two pairs</source>
            <translation>zwei Paare</translation>
        </message>
        <message>
            <source>three of a kind</source>
            <translation>Drilling</translation>
        </message>
        <message>
            <source>straight</source>
            <translation>Straße</translation>
        </message>
        <message>
            <source>flush</source>
            <translation>Flush</translation>
        </message>
        <message>
            <source>full house</source>
            <translation>Full House</translation>
        </message>
        <message>
            <source>four of a kind</source>
            <translation>Vierling</translation>
        </message>
        <message>
            <source>straight flush</source>
            <translation>Straight Flush</translation>
        </message>
        <message>
            <source>royal flush</source>
            <translation>Royal Flush</translation>
        </message>
        <message>
            <source>draw five</source>
            <translation>fünf neue ziehen</translation>
        </message>
        <message>
            <source>low pair</source>
            <translation>niedriges Paar</translation>
        </message>
        <message>
            <source>other holds</source>
            <translation>sonstige Wahl</translation>
        </message>
        <message numerus="yes">
            <source>%n to a royal flush</source>
            <translation>
                <numerusform>%n Karte zum Royal Flush</numerusform>
                <numerusform>%n Karten zum Royal Flush</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to an outside straight flush</source>
            <translation>
                <numerusform>%n Karte zum offenen Straight Flush</numerusform>
                <numerusform>%n Karten zum offenen Straight Flush</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to an inside straight flush</source>
            <translation>
                <numerusform>%n Karte zum Straight Flush mit Lücke</numerusform>
                <numerusform>%n Karten zum Straight Flush mit Lücke</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to a double inside straight flush</source>
            <translation>
                <numerusform>%n Karte zum Straight Flush mit zwei Lücken</numerusform>
                <numerusform>%n Karten zum Straight Flush mit zwei Lücken</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to a straight flush</source>
            <translation>
                <numerusform>%n Karte zum Straight Flush</numerusform>
                <numerusform>%n Karten zum Straight Flush</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to an outside straight</source>
            <translation>
                <numerusform>%n Karte zur offenen Straße</numerusform>
                <numerusform>%n Karten zur offenen Straße</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to an inside straight</source>
            <translation>
                <numerusform>%n Karte zur Straße mit Lücke</numerusform>
                <numerusform>%n Karten zur Straße mit Lücke</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to a double inside straight</source>
            <translation>
                <numerusform>%n Karte zur Straße mit zwei Lücken</numerusform>
                <numerusform>%n Karten zur Straße mit zwei Lücken</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to a straight</source>
            <translation>
                <numerusform>%n Karte zur Straße</numerusform>
                <numerusform>%n Karten zur Straße</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to a flush</source>
            <translation>
                <numerusform>%n Karte zum Flush</numerusform>
                <numerusform>%n Karten zum Flush</numerusform>
            </translation>
        </message>
        <message>
            <source>%1 with no high cards</source>
            <translation>%1 ohne hohe Karte</translation>
        </message>
        <message numerus="yes">
            <source>%1 with %n high cards</source>
            <translation>
                <numerusform>%1, davon %n hohe Karte</numerusform>
                <numerusform>%1, davon %n hohe Karten</numerusform>
            </translation>
        </message>
        <message>
            <source>%1 with 1 high card</source>
            <translation>%1, davon 1 hohe Karte</translation>
        </message>
        <message>
            <source>1 high card</source>
            <translation>1 hohe Karte</translation>
        </message>
        <message numerus="yes">
            <source>suited %n high cards</source>
            <translation>
                <numerusform>%n hohe Karte in einer Farbe</numerusform>
                <numerusform>%n hohe Karten in einer Farbe</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n high cards</source>
            <translation>
                <numerusform>%n hohe Karte</numerusform>
                <numerusform>%n hohe Karten</numerusform>
            </translation>
        </message>
        <message>
            <source>suited %1</source>
            <translation>%1 in einer Farbe</translation>
        </message>
        <message>
            <source>an %1</source>
            <comment>an Ace</comment>
            <translation>ein %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>an Ace</comment>
            <translation>ein gleichfarbiges %1</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>an Ace</comment>
            <translation>ein andersfarbiges %1</translation>
        </message>
        <message>
            <source>an %1</source>
            <comment>an Eight</comment>
            <translation>eine %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>an Eight</comment>
            <translation>eine gleichfarbige %1</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>an Eight</comment>
            <translation>eine andersfarbige %1</translation>
        </message>
        <message>
            <source>a %1</source>
            <comment>a King</comment>
            <translation>ein %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>a King</comment>
            <translation>ein gleichfarbiger %1</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>a King</comment>
            <translation>ein andersfarbiger %1</translation>
        </message>
        <message>
            <source>a %1</source>
            <comment>a Queen</comment>
            <translation>eine %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>a Queen</comment>
            <translation>eine gleichfarbige %1</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>a Queen</comment>
            <translation>eine andersfarbige %1</translation>
        </message>
        <message>
            <source>a %1</source>
            <comment>a Jack</comment>
            <translation>ein %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>a Jack</comment>
            <translation>ein gleichfarbiger %1</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>a Jack</comment>
            <translation>ein andersfarbiger %1</translation>
        </message>
        <message>
            <source>a %1</source>
            <comment>a number card</comment>
            <translation>eine %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>a number card</comment>
            <translation>eine gleichfarbige %1</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>a number card</comment>
            <translation>eine andersfarbige %1</translation>
        </message>
        <message>
            <source>%1 or lower</source>
            <comment>a rank</comment>
            <translation>%1 oder niedriger</translation>
        </message>
        <message>
            <source>offsuit</source>
            <comment>two discards are ...</comment>
            <translation>andersfarbig</translation>
        </message>
        <message>
            <source>suited</source>
            <comment>two discards are ...</comment>
            <translation>gleichfarbig</translation>
        </message>
        <message>
            <source>%1 or lower</source>
            <comment>two discards are ...</comment>
            <translation>höchstens %1</translation>
        </message>
        <message>
            <source>suited %1 or lower</source>
            <comment>two discards are ...</comment>
            <translation>gleichfarbig und höchstens %1</translation>
        </message>
        <message>
            <source>offsuit %1 or lower</source>
            <comment>two discards are ...</comment>
            <translation>andersfarbig und höchstens %1</translation>
        </message>
        <message>
            <source>%1s</source>
            <comment>two discards are ...</comment>
            <translation>%1er</translation>
        </message>
        <message>
            <source>suited %1s</source>
            <comment>two discards are ...</comment>
            <translation>gleichfarbige %1er</translation>
        </message>
        <message>
            <source>offsuit %1s</source>
            <comment>two discards are ...</comment>
            <translation>andersfarbige %1er</translation>
        </message>
        <message>
            <source>a held card is %1</source>
            <translation>eine gehaltene Karte %1 ist</translation>
        </message>
        <message>
            <source>no held card is %1</source>
            <translation>keine gehaltene Karte %1 ist</translation>
        </message>
        <message>
            <source>two discards are %1</source>
            <translation>zwei abgelegte Karten %1 sind</translation>
        </message>
        <message>
            <source>no two discards are %1</source>
            <translation>weniger als zwei abgelegte Karten %1 sind</translation>
        </message>
        <message>
            <source>a card is discarded</source>
            <translation>eine Karte abgelegt wird</translation>
        </message>
        <message>
            <source>no card is discarded</source>
            <translation>keine Karte abgelegt wird</translation>
        </message>
        <message>
            <source>a discard is suited</source>
            <translation>eine abgelegte Karte gleichfarbig ist</translation>
        </message>
        <message>
            <source>a discard is offsuit</source>
            <translation>eine abgelegte Karte andersfarbig ist</translation>
        </message>
        <message>
            <source>no discard is suited</source>
            <translation>keine abgelegte Karte gleichfarbig ist</translation>
        </message>
        <message>
            <source>no discard is offsuit</source>
            <translation>keine abgelegte Karte andersfarbig ist</translation>
        </message>
        <message>
            <source>a discard is %1</source>
            <translation>eine abgelegte Karte %1 ist</translation>
        </message>
        <message>
            <source>no discard is %1</source>
            <translation>keine abgelegte Karte %1 ist</translation>
        </message>
        <message>
            <source>%1 and %2</source>
            <comment>two conditions</comment>
            <translation>%1 und %2</translation>
        </message>
        <message>
            <source>but hold %1</source>
            <translation>aber %1 halten</translation>
        </message>
        <message>
            <source>but hold %1 when %2</source>
            <translation>aber %1 halten, wenn %2</translation>
        </message>
        <message>
            <source>exact</source>
            <comment>a strategy chart</comment>
            <translation>exakt</translation>
        </message>
        <message>
            <source>beginner</source>
            <comment>a strategy chart</comment>
            <translation>für Einsteiger</translation>
        </message>
        <message>
            <source>basic</source>
            <comment>a strategy chart</comment>
            <translation>Basis</translation>
        </message>
        <message>
            <source>line %1</source>
            <comment>of a strategy chart</comment>
            <translation>Zeile %1</translation>
        </message>
        <message>
            <source>%1, no chart line</source>
            <translation>%1, keine Zeile der Tabelle</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <comment>a hold&apos;s kind, its chart line</comment>
            <translation>%1, %2</translation>
        </message>
        <message>
            <source>%1, %2, ranks above any hold off the chart.</source>
            <translation>%1, %2, steht über jeder Wahl, die die Tabelle nicht nennt.</translation>
        </message>
        <message>
            <source>%1, %2, ranks above %3, %4.</source>
            <translation>%1, %2, steht über %3, %4.</translation>
        </message>
        <message>
            <source>Your hold breaks no line of the basic chart: this deal is one of the exceptions that only the exact chart names.</source>
            <translation>Ihre Wahl verstößt gegen keine Zeile der Basistabelle: Diese Hand ist eine der Ausnahmen, die nur die exakte Tabelle nennt.</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>Velmora: Jacks or Better video poker with a big-or-small double-up.</source>
            <translation>Velmora: Video-Poker „Buben oder besser“ mit Risikospiel Höher oder Tiefer.</translation>
        </message>
        <message>
            <source>Show this help and exit.</source>
            <translation>Diese Hilfe zeigen und beenden.</translation>
        </message>
        <message>
            <source>Show the version and exit.</source>
            <translation>Die Version zeigen und beenden.</translation>
        </message>
        <message>
            <source>%1: %2 See %1 --help.
</source>
            <translation>%1: %2 Siehe %1 --help.
</translation>
        </message>
        <message>
            <source>%1: unexpected argument &apos;%2&apos;. See %1 --help.
</source>
            <translation>%1: unerwartetes Argument „%2“. Siehe %1 --help.
</translation>
        </message>
        <message>
            <source>
Play with the mouse or the keyboard; the manual page
velmora(6) and the README explain the game.
</source>
            <translation>
Gespielt wird mit Maus oder Tastatur; die Handbuchseite
velmora(6) und die README erklären das Spiel.
</translation>
        </message>
        <message>
            <source>%1: cannot write the output: %2
</source>
            <translation>%1: Die Ausgabe lässt sich nicht schreiben: %2
</translation>
        </message>
    </context>
    <context>
        <name>QCommandLineParser</name>
        <message>
            <source>Usage: %1</source>
            <translation>Aufruf: %1</translation>
        </message>
        <message>
            <source>[options]</source>
            <translation>[Optionen]</translation>
        </message>
        <message>
            <source>Options:</source>
            <translation>Optionen:</translation>
        </message>
        <message>
            <source>Unknown option &apos;%1&apos;.</source>
            <translation>Unbekannte Option „%1“.</translation>
        </message>
        <message>
            <source>Unknown options: %1.</source>
            <translation>Unbekannte Optionen: %1.</translation>
        </message>
        <message>
            <source>Missing value after &apos;%1&apos;.</source>
            <translation>Fehlender Wert nach „%1“.</translation>
        </message>
        <message>
            <source>Unexpected value after &apos;%1&apos;.</source>
            <translation>Unerwarteter Wert nach „%1“.</translation>
        </message>
    </context>
    <context>
        <name>Table</name>
        <message>
            <source>Press Deal to Start the Game</source>
            <translation>Zum Spielen auf Geben drücken</translation>
        </message>
        <message>
            <source>Click inside the card you want to keep</source>
            <translation>Klicken Sie die Karten an, die Sie halten wollen</translation>
        </message>
        <message>
            <source>Press Deal for next hand</source>
            <translation>Für die nächste Hand auf Geben drücken</translation>
        </message>
        <message>
            <source>You Win 1 Point</source>
            <translation>Sie gewinnen 1 Punkt</translation>
        </message>
        <message>
            <source>HOLD</source>
            <translation>HALTEN</translation>
        </message>
        <message>
            <source>Royal Flush</source>
            <translation>Royal Flush</translation>
        </message>
        <message>
            <source>Straight Flush</source>
            <translation>Straight Flush</translation>
        </message>
        <message>
            <source>4 of a Kind</source>
            <translation>Vierling</translation>
        </message>
        <message>
            <source>Full House</source>
            <translation>Full House</translation>
        </message>
        <message>
            <source>Flush</source>
            <translation>Flush</translation>
        </message>
        <message>
            <source>Straight</source>
            <translation>Straße</translation>
        </message>
        <message>
            <source>3 of a Kind</source>
            <translation>Drilling</translation>
        </message>
        <message>
            <source>Two Pairs</source>
            <translation>Zwei Paare</translation>
        </message>
        <message>
            <source>Jacks or Better</source>
            <translation>Buben oder besser</translation>
        </message>
        <message numerus="yes">
            <source>You Win  %n Points</source>
            <translation>
                <numerusform>Sie gewinnen %n Punkt</numerusform>
                <numerusform>Sie gewinnen %n Punkte</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Velmora</name>
        <message>
            <source>face down</source>
            <translation>verdeckt</translation>
        </message>
        <message>
            <source>Ace</source>
            <translation>Ass</translation>
        </message>
        <message>
            <source>Two</source>
            <translation>Zwei</translation>
        </message>
        <message>
            <source>Three</source>
            <translation>Drei</translation>
        </message>
        <message>
            <source>Four</source>
            <translation>Vier</translation>
        </message>
        <message>
            <source>Five</source>
            <translation>Fünf</translation>
        </message>
        <message>
            <source>Six</source>
            <translation>Sechs</translation>
        </message>
        <message>
            <source>Seven</source>
            <translation>Sieben</translation>
        </message>
        <message>
            <source>Eight</source>
            <translation>Acht</translation>
        </message>
        <message>
            <source>Nine</source>
            <translation>Neun</translation>
        </message>
        <message>
            <source>Ten</source>
            <translation>Zehn</translation>
        </message>
        <message>
            <source>Jack</source>
            <translation>Bube</translation>
        </message>
        <message>
            <source>Queen</source>
            <translation>Dame</translation>
        </message>
        <message>
            <source>King</source>
            <translation>König</translation>
        </message>
        <message>
            <source>Clubs</source>
            <translation>Kreuz</translation>
        </message>
        <message>
            <source>Diamonds</source>
            <translation>Karo</translation>
        </message>
        <message>
            <source>Hearts</source>
            <translation>Herz</translation>
        </message>
        <message>
            <source>Spades</source>
            <translation>Pik</translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <extracomment>A card in words: %1 is its rank, %2 its suit (&quot;Queen of Hearts&quot;).</extracomment>
            <translation>%2-%1</translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::AboutWindow</name>
        <message>
            <source>About Velmora</source>
            <translation>Über Velmora</translation>
        </message>
        <message>
            <source>Copyright © 2026 the Velmora authors</source>
            <translation>Copyright © 2026 die Velmora-Autoren</translation>
        </message>
        <message>
            <source>How to play, and the rules in full:</source>
            <translation>Spielanleitung und alle Regeln:</translation>
        </message>
        <message>
            <source>Jacks or Better video poker; no real money.
Trainer: right-click the table or press Menu.</source>
            <translation>Video-Poker „Buben oder besser“, ohne echtes Geld.
Trainer: Rechtsklick auf den Tisch oder Menütaste.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::AdvisorPanel</name>
        <message>
            <source>best</source>
            <translation>beste</translation>
        </message>
        <message>
            <source>−%1</source>
            <translation>−%1</translation>
        </message>
        <message>
            <source>%1: %2, worth %3 credits, the best hold.</source>
            <translation>%1: %2, Wert %3 Credits: die beste Wahl.</translation>
        </message>
        <message>
            <source>%1: %2, worth %3 credits, %4 less than the best.</source>
            <translation>%1: %2, Wert %3 Credits, %4 weniger als die beste Wahl.</translation>
        </message>
        <message>
            <source>Best-hold advisor</source>
            <translation>Berater: beste Wahl</translation>
        </message>
        <message>
            <source>A value is what the hold brings back on average for the credit bet; its cost is what it gives up against the best hold.</source>
            <translation>Der Wert ist, was die Wahl im Schnitt für den gesetzten Credit einbringt; die Kosten sind, was sie gegenüber der besten Wahl verliert.</translation>
        </message>
        <message>
            <source>You drew with the best hold.</source>
            <translation>Sie haben mit der besten Wahl gezogen.</translation>
        </message>
        <message>
            <source>You gave up %1 credits: the best hold, %2, was worth %3; yours was worth %4.</source>
            <translation>Sie haben %1 Credits verschenkt: die beste Wahl, %2, war %3 wert; Ihre war %4 wert.</translation>
        </message>
        <message>
            <source>%1.</source>
            <translation>%1.</translation>
        </message>
        <message>
            <source>Hold number %1</source>
            <translation>Wahl Nr.&#xa0;%1</translation>
        </message>
        <message>
            <source>You drew with</source>
            <translation>Gezogen mit</translation>
        </message>
        <message>
            <source>Your hold</source>
            <translation>Ihre Wahl</translation>
        </message>
        <message>
            <source>The game&apos;s suggestion</source>
            <translation>Der Vorschlag des Spiels</translation>
        </message>
        <message>
            <source>Best holds</source>
            <translation>Beste Wahl</translation>
        </message>
        <message>
            <source>Cards kept</source>
            <translation>Gehaltene Karten</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Wert</translation>
        </message>
        <message>
            <source>Cost</source>
            <translation>Kosten</translation>
        </message>
        <message>
            <source>%1 Chart: %2.</source>
            <translation>%1 Tabelle: %2.</translation>
        </message>
        <message>
            <source>%1 · %2</source>
            <translation>%1 · %2</translation>
        </message>
        <message>
            <source>%1 %2</source>
            <translation>%1 %2</translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::CreditChart</name>
        <message>
            <source>Credits over the hands</source>
            <translation>Credits im Lauf der Hände</translation>
        </message>
        <message>
            <source>The chart begins after the first hand.</source>
            <translation>Das Diagramm beginnt nach der ersten Hand.</translation>
        </message>
        <message>
            <source>Over 1 hand the credits went from %1 to %2; the lowest was %3, the highest %4.</source>
            <translation>In 1 Hand gingen die Credits von %1 auf %2; am wenigsten waren es %3, am meisten %4.</translation>
        </message>
        <message numerus="yes">
            <source>Over %n hands the credits went from %1 to %2; the lowest was %3, the highest %4.</source>
            <translation>
                <numerusform>In %n Hand gingen die Credits von %1 auf %2; am wenigsten waren es %3, am meisten %4.</numerusform>
                <numerusform>In %n Händen gingen die Credits von %1 auf %2; am wenigsten waren es %3, am meisten %4.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::StatisticsWindow</name>
        <message>
            <source>%1%</source>
            <translation>%1&#xa0;%</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <translation>%1: %2</translation>
        </message>
        <message>
            <source>No win</source>
            <translation>Kein Gewinn</translation>
        </message>
        <message>
            <source>Velmora: session statistics</source>
            <translation>Velmora: Statistik der Sitzung</translation>
        </message>
        <message>
            <source>This session</source>
            <translation>Diese Sitzung</translation>
        </message>
        <message>
            <source>Hands played</source>
            <translation>Gespielte Hände</translation>
        </message>
        <message>
            <source>Credits bet</source>
            <translation>Gesetzte Credits</translation>
        </message>
        <message>
            <source>Credits taken</source>
            <translation>Gutgeschriebene Credits</translation>
        </message>
        <message>
            <source>Return</source>
            <translation>Auszahlungsquote</translation>
        </message>
        <message>
            <source>Credits now</source>
            <translation>Aktuelles Guthaben</translation>
        </message>
        <message>
            <source>Double-up</source>
            <translation>Risikospiel</translation>
        </message>
        <message>
            <source>Rounds</source>
            <translation>Runden</translation>
        </message>
        <message>
            <source>Right guesses</source>
            <translation>Richtig geraten</translation>
        </message>
        <message>
            <source>Wrong guesses</source>
            <translation>Falsch geraten</translation>
        </message>
        <message>
            <source>Points risked</source>
            <translation>Riskierte Punkte</translation>
        </message>
        <message>
            <source>Points brought home</source>
            <translation>Gesicherte Punkte</translation>
        </message>
        <message>
            <source>Your draws</source>
            <translation>Ihre Züge</translation>
        </message>
        <message>
            <source>Draw decisions</source>
            <translation>Entscheidungen</translation>
        </message>
        <message>
            <source>Holds worth less than the best</source>
            <translation>Schwächer als die beste Wahl</translation>
        </message>
        <message>
            <source>Expected credits given up</source>
            <translation>Im Schnitt verschenkte Credits</translation>
        </message>
        <message>
            <source>The game&apos;s suggestions would have given up</source>
            <translation>Die Vorschläge des Spiels hätten verschenkt</translation>
        </message>
        <message>
            <source>Hands made</source>
            <translation>Erzielte Hände</translation>
        </message>
        <message>
            <source>Made</source>
            <translation>Erzielt</translation>
        </message>
        <message>
            <source>Share</source>
            <translation>Anteil</translation>
        </message>
        <message>
            <source>Perfect play</source>
            <translation>Perfektes Spiel</translation>
        </message>
        <message>
            <source>Perfect play keeps the best hold every time. At this table, whose draw keeps some cards of the last hand out, it brings back %1 (± %2) of the credits bet, measured over %3 hands; from a shuffled deck, exactly %4.</source>
            <translation>Perfektes Spiel hält immer die beste Wahl. An diesem Tisch, dessen Ziehung einige Karten der letzten Hand ausschließt, bringt es %1 (± %2) der gesetzten Credits zurück, gemessen über %3 Hände; mit einem gemischten Stapel genau %4.</translation>
        </message>
        <message>
            <source>Credits after each hand</source>
            <translation>Credits nach jeder Hand</translation>
        </message>
        <message>
            <source>none yet</source>
            <translation>noch keiner</translation>
        </message>
        <message>
            <source>%1: made %2 times, %3 of the hands drawn; perfect play makes it %4 of the hands.</source>
            <translation>%1: %2-mal erzielt, %3 der Hände; perfektes Spiel erzielt es in %4 der Hände.</translation>
        </message>
        <message>
            <source>working out…</source>
            <translation>wird berechnet…</translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::StrategyWindow</name>
        <message>
            <source>%1%</source>
            <translation>%1 %</translation>
        </message>
        <message>
            <source>Velmora: strategy chart</source>
            <translation>Velmora: Strategietabelle</translation>
        </message>
        <message>
            <source>Read down the chart and hold the first kind of hold the deal has. The figures are this table&apos;s pays, from a shuffled deck: how often perfect play keeps each kind, and what that hold is worth on average, in credits per credit bet.</source>
            <translation>Lesen Sie die Tabelle von oben nach unten und halten Sie die erste Art von Karten, die die Hand bietet. Die Zahlen gelten für die Auszahlungen dieses Tischs, aus einem gemischten Stapel: wie oft perfektes Spiel die jeweilige Art hält und was diese Wahl im Mittel wert ist, in Credits je gesetztem Credit.</translation>
        </message>
        <message>
            <source>Chart:</source>
            <translation>Tabelle:</translation>
        </message>
        <message>
            <source>&amp;Basic</source>
            <translation>&amp;Basis</translation>
        </message>
        <message>
            <source>&amp;Exact, with exceptions</source>
            <translation>&amp;Exakt, mit Ausnahmen</translation>
        </message>
        <message>
            <source>Be&amp;ginner</source>
            <translation>Ein&amp;steiger</translation>
        </message>
        <message>
            <source>Chart lines</source>
            <translation>Zeilen der Tabelle</translation>
        </message>
        <message>
            <source>Line</source>
            <translation>Zeile</translation>
        </message>
        <message>
            <source>Hold</source>
            <translation>Wahl</translation>
        </message>
        <message>
            <source>Deals</source>
            <translation>Anteil</translation>
        </message>
        <message>
            <source>Average value</source>
            <translation>Mittlerer Wert</translation>
        </message>
        <message>
            <source>Broken this session</source>
            <translation>In dieser Sitzung missachtet</translation>
        </message>
        <message>
            <source>Working out the charts for this table’s pays…</source>
            <translation>Die Tabellen für die Auszahlungen dieses Tischs werden berechnet…</translation>
        </message>
        <message>
            <source>Following the %1 chart on every deal brings back %2 of the credits bet; perfect play, %3.</source>
            <translation>Wer bei jeder Hand der Tabelle (%1) folgt, bekommt %2 der gesetzten Credits zurück; bei perfektem Spiel %3.</translation>
        </message>
        <message>
            <source>once</source>
            <translation>einmal</translation>
        </message>
        <message numerus="yes">
            <source>%n times</source>
            <translation>
                <numerusform>%n-mal</numerusform>
                <numerusform>%n-mal</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::TableWindow</name>
        <message>
            <source>Deal</source>
            <translation>Geben</translation>
        </message>
        <message>
            <source>Deal a new hand for one credit</source>
            <translation>Eine neue Hand für einen Credit geben</translation>
        </message>
        <message>
            <source>Draw: replace every card without HOLD</source>
            <translation>Ziehen: jede Karte ohne HALTEN ersetzen</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Let go of every held card</source>
            <translation>Alle gehaltenen Karten freigeben</translation>
        </message>
        <message>
            <source>Take</source>
            <translation>Nehmen</translation>
        </message>
        <message>
            <source>Add the win to the credits</source>
            <translation>Den Gewinn dem Guthaben gutschreiben</translation>
        </message>
        <message>
            <source>Double</source>
            <translation>Risiko</translation>
        </message>
        <message>
            <source>Risk the win on big-or-small guesses</source>
            <translation>Den Gewinn im Risikospiel Höher oder Tiefer einsetzen</translation>
        </message>
        <message>
            <source>Big</source>
            <translation>Höher</translation>
        </message>
        <message>
            <source>Guess that the next card is bigger</source>
            <translation>Tippen, dass die nächste Karte höher ist</translation>
        </message>
        <message>
            <source>Small</source>
            <translation>Tiefer</translation>
        </message>
        <message>
            <source>Guess that the next card is smaller</source>
            <translation>Tippen, dass die nächste Karte tiefer ist</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Info</translation>
        </message>
        <message>
            <source>About Velmora</source>
            <translation>Über Velmora</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>End the game</source>
            <translation>Das Spiel beenden</translation>
        </message>
        <message>
            <source>Click, or press %1, to hold or let go of this card</source>
            <translation>Klicken oder %1 drücken, um diese Karte zu halten oder freizugeben</translation>
        </message>
        <message>
            <source>%1 (key %2)</source>
            <translation>%1 (Taste %2)</translation>
        </message>
        <message>
            <source>%1. Key: %2</source>
            <translation>%1. Taste: %2</translation>
        </message>
        <message>
            <source>Card %1: %2</source>
            <translation>Karte %1: %2</translation>
        </message>
        <message>
            <source>, held</source>
            <translation>, gehalten</translation>
        </message>
        <message>
            <source>Card %1 is held</source>
            <translation>Karte %1 wird gehalten</translation>
        </message>
        <message>
            <source>%1, pays %2</source>
            <translation>%1, zahlt %2</translation>
        </message>
        <message>
            <source>, lit</source>
            <translation>, leuchtet</translation>
        </message>
        <message>
            <source>Credits: %1</source>
            <translation>Credits: %1</translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::Trainer</name>
        <message>
            <source>Best-hold advisor</source>
            <translation>Berater: beste Wahl</translation>
        </message>
        <message>
            <source>Warn before a costly draw</source>
            <translation>Vor teurem Ziehen warnen</translation>
        </message>
        <message>
            <source>Session statistics…</source>
            <translation>Statistik der Sitzung…</translation>
        </message>
        <message>
            <source>The cards are being dealt.</source>
            <translation>Die Karten werden gegeben.</translation>
        </message>
        <message>
            <source>Deal a hand: the best holds show here as soon as its five cards are up.</source>
            <translation>Geben Sie eine Hand: die beste Wahl erscheint hier, sobald ihre fünf Karten aufgedeckt sind.</translation>
        </message>
        <message>
            <source>Working out the value of every hold…</source>
            <translation>Der Wert jeder Wahl wird berechnet…</translation>
        </message>
        <message>
            <source>Draw with this hold?</source>
            <translation>Mit dieser Wahl ziehen?</translation>
        </message>
        <message>
            <source>Your hold gives up %1 credits against the best one.</source>
            <translation>Ihre Wahl verschenkt %1 Credits gegenüber der besten.</translation>
        </message>
        <message>
            <source>Your hold: %1, worth %2 credits.
The best hold: %3, worth %4 credits.</source>
            <translation>Ihre Wahl: %1, Wert %2 Credits.
Die beste Wahl: %3, Wert %4 Credits.</translation>
        </message>
        <message>
            <source>Draw anyway</source>
            <translation>Trotzdem ziehen</translation>
        </message>
        <message>
            <source>&amp;Change my hold</source>
            <translation>Wahl ä&amp;ndern</translation>
        </message>
        <message>
            <source>Strategy chart…</source>
            <translation>Strategietabelle…</translation>
        </message>
        <message>
            <source>Hand analyzer…</source>
            <translation>Handanalyse…</translation>
        </message>
        <message>
            <source>Practice…</source>
            <translation>Übung…</translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::HandAnalyzer</name>
        <message>
            <source>Velmora: hand analyzer</source>
            <translation>Velmora: Handanalyse</translation>
        </message>
        <message>
            <source>&amp;Take the table&apos;s cards</source>
            <translation>Karten des &amp;Tisches nehmen</translation>
        </message>
        <message>
            <source>C&amp;lear</source>
            <translation>&amp;Leeren</translation>
        </message>
        <message>
            <source>This table (%1)</source>
            <translation>Dieser Tisch (%1)</translation>
        </message>
        <message>
            <source>9/6 (%1)</source>
            <translation>9/6 (%1)</translation>
        </message>
        <message>
            <source>8/5 (%1)</source>
            <translation>8/5 (%1)</translation>
        </message>
        <message>
            <source>Your own pays</source>
            <translation>Eigene Auszahlungen</translation>
        </message>
        <message>
            <source>&amp;Pays:</source>
            <translation>&amp;Auszahlungen:</translation>
        </message>
        <message>
            <source>Your own pays, Royal Flush first</source>
            <translation>Eigene Auszahlungen, Royal Flush zuerst</translation>
        </message>
        <message>
            <source>Every hold, best first</source>
            <translation>Jede Wahl, die beste zuerst</translation>
        </message>
        <message>
            <source>Rank</source>
            <translation>Rang</translation>
        </message>
        <message>
            <source>Cards kept</source>
            <translation>Gehaltene Karten</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Wert</translation>
        </message>
        <message>
            <source>Chart line</source>
            <translation>Zeile der Tabelle</translation>
        </message>
        <message>
            <source>Choose five cards (arrow keys move, Space or Enter chooses):</source>
            <translation>Wählen Sie fünf Karten (Pfeiltasten bewegen, Leertaste oder Eingabe wählt):</translation>
        </message>
        <message>
            <source>Five cards are chosen already: take one back first.</source>
            <translation>Fünf Karten sind schon gewählt: nehmen Sie zuerst eine zurück.</translation>
        </message>
        <message>
            <source>Your own pays must be nine whole numbers from 1 to 100000, Royal Flush first, then Straight Flush, Four of a Kind, Full House, Flush, Straight, Three of a Kind, Two Pairs and Jacks or Better: for example 800/50/25/9/6/4/3/2/1.</source>
            <translation>Eigene Auszahlungen müssen neun ganze Zahlen von 1 bis 100000 sein: Royal Flush zuerst, dann Straight Flush, Vierling, Full House, Flush, Straße, Drilling, Zwei Paare und Buben oder besser; zum Beispiel 800/50/25/9/6/4/3/2/1.</translation>
        </message>
        <message>
            <source>Choose five cards: %1 chosen.</source>
            <translation>Wählen Sie fünf Karten: %1 gewählt.</translation>
        </message>
        <message>
            <source>Working out the value of every hold…</source>
            <translation>Der Wert jeder Wahl wird berechnet…</translation>
        </message>
        <message>
            <source>Every hold from the best down, valued from a shuffled deck in credits per credit bet, with its line of the basic chart for these pays.</source>
            <translation>Jede Wahl von der besten abwärts, bewertet mit einem gemischten Stapel in Credits je gesetztem Credit, mit ihrer Zeile der Grundtabelle für diese Auszahlungen.</translation>
        </message>
        <message>
            <source>Working out the strategy chart for these pays…</source>
            <translation>Die Strategietabelle für diese Auszahlungen wird berechnet…</translation>
        </message>
        <message>
            <source>working out…</source>
            <translation>wird berechnet…</translation>
        </message>
        <message>
            <source>%1 best</source>
            <translation>%1 beste</translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::PracticeWindow</name>
        <message>
            <source>Velmora: practice</source>
            <translation>Velmora: Übung</translation>
        </message>
        <message>
            <source>&amp;Lean the deals towards what I get wrong</source>
            <translation>&amp;Verteilungen auf meine Fehler ausrichten</translation>
        </message>
        <message>
            <source>Hold the cards you would keep (click them or press 1 to 5), then press Enter to check. Practice has its own deck and costs no credits.</source>
            <translation>Halten Sie die Karten, die Sie behalten würden (anklicken oder 1 bis 5 drücken), und drücken Sie dann Eingabe zum Prüfen. Die Übung hat ihren eigenen Stapel und kostet keine Credits.</translation>
        </message>
        <message>
            <source>Working out the strategy chart for this table…</source>
            <translation>Die Strategietabelle für diesen Tisch wird berechnet…</translation>
        </message>
        <message>
            <source>Which cards would you hold?</source>
            <translation>Welche Karten würden Sie halten?</translation>
        </message>
        <message>
            <source>Not the best hold: it gives up %1 credits per credit bet.</source>
            <translation>Nicht die beste Wahl: sie verschenkt %1 Credits je gesetztem Credit.</translation>
        </message>
        <message>
            <source>The best hold.</source>
            <translation>Die beste Wahl.</translation>
        </message>
        <message>
            <source>Your hold: %1, worth %2 (%3).</source>
            <translation>Ihre Wahl: %1, Wert %2 (%3).</translation>
        </message>
        <message>
            <source>The best hold: %1, worth %2.</source>
            <translation>Die beste Wahl: %1, Wert %2.</translation>
        </message>
        <message>
            <source>The chart reads %1.</source>
            <translation>Die Tabelle sagt %1.</translation>
        </message>
        <message>
            <source>Values are expected credits per credit bet, from a shuffled deck.</source>
            <translation>Die Werte sind erwartete Credits je gesetztem Credit, mit einem gemischten Stapel.</translation>
        </message>
        <message>
            <source>HELD</source>
            <translation>GEHALTEN</translation>
        </message>
        <message>
            <source>Card %1: %2%3</source>
            <extracomment>A practice card for screen readers: %1 its slot, %2 the card, then whether it is held.</extracomment>
            <translation>Karte %1: %2%3</translation>
        </message>
        <message>
            <source>, held</source>
            <translation>, gehalten</translation>
        </message>
        <message>
            <source>&amp;Next hand (Enter)</source>
            <translation>&amp;Nächste Hand (Eingabe)</translation>
        </message>
        <message>
            <source>&amp;Check my hold (Enter)</source>
            <translation>Meine Wahl &amp;prüfen (Eingabe)</translation>
        </message>
        <message>
            <source>Hands: %1. Best holds found: %2. Credits given up per 100 hands: %3.</source>
            <translation>Hände: %1. Beste Wahl getroffen: %2. Verschenkte Credits je 100 Hände: %3.</translation>
        </message>
        <message>
            <source>Plain random deals: every hand is as likely as at a shuffled deck.</source>
            <translation>Reine Zufallsverteilungen: jede Hand ist so wahrscheinlich wie bei einem gemischten Stapel.</translation>
        </message>
        <message>
            <source>none yet</source>
            <translation>noch keine</translation>
        </message>
        <message>
            <source>Deals lean towards the chart lines you have missed, %1 times as often as chance deals them (missed so far: %2), and towards close decisions, where the best hold beats the next by less than %3 credits (%4 times as often).</source>
            <translation>Die Verteilungen bevorzugen die Tabellenzeilen, die Sie verfehlt haben, %1-mal so oft wie der Zufall (bisher verfehlt: %2), und knappe Entscheidungen, bei denen die beste Wahl die nächste um weniger als %3 Credits übertrifft (%4-mal so oft).</translation>
        </message>
    </context>
</TS>