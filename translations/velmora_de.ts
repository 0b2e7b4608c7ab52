<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
            <source>%1: unexpected argument '%2'. See %1 --help.
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
    </context>
    <context>
        <name>Table</name>
        <message>
            <source>Press Deal to Start the Game</source>
            <translation>Zum Spielen auf Geben drücken</translation>
        </message>
        <message>
            <source>Click inside the card you want to keep</source>
            <translation>Klicken Sie die Karten an, die Sie halten</translation>
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
            <extracomment>A card in words: %1 is its rank, %2 its suit ("Queen of Hearts").</extracomment>
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
            <source>Jacks or Better video poker with a big-or-small
double-up. Free to play; no real money.</source>
            <translation>Video-Poker „Buben oder besser“ mit Risikospiel
Höher oder Tiefer. Kostenlos, ohne echtes Geld.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
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
            <translation>Eine neue Hand für einen Kredit geben</translation>
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
            <source>%1, pays %2</source>
            <translation>%1, zahlt %2</translation>
        </message>
        <message>
            <source>, lit</source>
            <translation>, leuchtet</translation>
        </message>
        <message>
            <source>Credits: %1</source>
            <translation>Guthaben: %1</translation>
        </message>
    </context>
</TS>