<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
            <translation>V</translation>
        </message>
        <message>
            <source>Q</source>
            <comment>the Queen, on a card</comment>
            <translation>D</translation>
        </message>
        <message>
            <source>K</source>
            <comment>the King, on a card</comment>
            <translation>R</translation>
        </message>
        <message>
            <source>no card</source>
            <translation>aucune carte</translation>
        </message>
        <message>
            <source>draw five new cards</source>
            <translation>tirer cinq nouvelles cartes</translation>
        </message>
        <message>
            <source>keep all five cards</source>
            <translation>garder les cinq cartes</translation>
        </message>
        <message>
            <source>keep %1</source>
            <translation>garder %1</translation>
        </message>
        <message>
            <source>slot %1</source>
            <translation>en place %1</translation>
        </message>
        <message>
            <source>slots %1 to %2</source>
            <translation>en places %1 à %2</translation>
        </message>
        <message>
            <source>slots %1</source>
            <translation>en places %1</translation>
        </message>
        <message>
            <source>the %1 of the last hand cannot come back into %2</source>
            <translation>%1 de la main précédente ne peut pas revenir %2</translation>
        </message>
        <message>
            <source>so keeping %1 cannot make a %2</source>
            <translation>donc garder %1 ne peut pas donner de %2</translation>
        </message>
        <message>
            <source>so keeping %1 is worth %2 here, not %3</source>
            <translation>donc garder %1 vaut ici %2, et non %3</translation>
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
            <translation>quinte ou mieux</translation>
        </message>
        <message>
            <source>high pair</source>
            <translation>paire haute</translation>
        </message>
        <message>
            <source>two pairs</source>
            <translation>deux paires</translation>
        </message>
        <message>
            <source>three of a kind</source>
            <translation>brelan</translation>
        </message>
        <message>
            <source>straight</source>
            <translation>quinte</translation>
        </message>
        <message>
            <source>flush</source>
            <translation>couleur</translation>
        </message>
        <message>
            <source>full house</source>
            <translation>full</translation>
        </message>
        <message>
            <source>four of a kind</source>
            <translation>carré</translation>
        </message>
        <message>
            <source>straight flush</source>
            <translation>quinte flush</translation>
        </message>
        <message>
            <source>royal flush</source>
            <translation>quinte royale</translation>
        </message>
        <message>
            <source>draw five</source>
            <translation>tirer cinq cartes</translation>
        </message>
        <message>
            <source>low pair</source>
            <translation>petite paire</translation>
        </message>
        <message>
            <source>other holds</source>
            <translation>autres choix</translation>
        </message>
        <message numerus="yes">
            <source>%n to a royal flush</source>
            <translation>
                <numerusform>%n carte pour une quinte royale</numerusform>
                <numerusform>%n cartes pour une quinte royale</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to an outside straight flush</source>
            <translation>
                <numerusform>%n carte pour une quinte flush ouverte</numerusform>
                <numerusform>%n cartes pour une quinte flush ouverte</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to an inside straight flush</source>
            <translation>
                <numerusform>%n carte pour une quinte flush ventrale</numerusform>
                <numerusform>%n cartes pour une quinte flush ventrale</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to a double inside straight flush</source>
            <translation>
                <numerusform>%n carte pour une quinte flush à deux trous</numerusform>
                <numerusform>%n cartes pour une quinte flush à deux trous</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to a straight flush</source>
            <translation>
                <numerusform>%n carte pour une quinte flush</numerusform>
                <numerusform>%n cartes pour une quinte flush</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to an outside straight</source>
            <translation>
                <numerusform>%n carte pour une quinte ouverte</numerusform>
                <numerusform>%n cartes pour une quinte ouverte</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to an inside straight</source>
            <translation>
                <numerusform>%n carte pour une quinte ventrale</numerusform>
                <numerusform>%n cartes pour une quinte ventrale</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to a double inside straight</source>
            <translation>
                <numerusform>%n carte pour une quinte à deux trous</numerusform>
                <numerusform>%n cartes pour une quinte à deux trous</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to a straight</source>
            <translation>
                <numerusform>%n carte pour une quinte</numerusform>
                <numerusform>%n cartes pour une quinte</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to a flush</source>
            <translation>
                <numerusform>%n carte pour une couleur</numerusform>
                <numerusform>%n cartes pour une couleur</numerusform>
            </translation>
        </message>
        <message>
            <source>%1 with no high cards</source>
            <translation>%1 sans carte haute</translation>
        </message>
        <message numerus="yes">
            <source>%1 with %n high cards</source>
            <translation>
                <numerusform>%1 avec %n carte haute</numerusform>
                <numerusform>%1 avec %n cartes hautes</numerusform>
            </translation>
        </message>
        <message>
            <source>%1 with 1 high card</source>
            <translation>%1 avec 1 carte haute</translation>
        </message>
        <message>
            <source>1 high card</source>
            <translation>1 carte haute</translation>
        </message>
        <message numerus="yes">
            <source>suited %n high cards</source>
            <translation>
                <numerusform>%n carte haute assortie</numerusform>
                <numerusform>%n cartes hautes assorties</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n high cards</source>
            <translation>
                <numerusform>%n carte haute</numerusform>
                <numerusform>%n cartes hautes</numerusform>
            </translation>
        </message>
        <message>
            <source>suited %1</source>
            <translation>%1 assortis</translation>
        </message>
        <message>
            <source>an %1</source>
            <comment>an Ace</comment>
            <translation>un %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>an Ace</comment>
            <translation>un %1 de la même couleur</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>an Ace</comment>
            <translation>un %1 d’une autre couleur</translation>
        </message>
        <message>
            <source>an %1</source>
            <comment>an Eight</comment>
            <translation>un %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>an Eight</comment>
            <translation>un %1 de la même couleur</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>an Eight</comment>
            <translation>un %1 d’une autre couleur</translation>
        </message>
        <message>
            <source>a %1</source>
            <comment>a King</comment>
            <translation>un %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>a King</comment>
            <translation>un %1 de la même couleur</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>a King</comment>
            <translation>un %1 d’une autre couleur</translation>
        </message>
        <message>
            <source>a %1</source>
            <comment>a Queen</comment>
            <translation>une %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>a Queen</comment>
            <translation>une %1 de la même couleur</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>a Queen</comment>
            <translation>une %1 d’une autre couleur</translation>
        </message>
        <message>
            <source>a %1</source>
            <comment>a Jack</comment>
            <translation>un %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>a Jack</comment>
            <translation>un %1 de la même couleur</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>a Jack</comment>
            <translation>un %1 d’une autre couleur</translation>
        </message>
        <message>
            <source>a %1</source>
            <comment>a number card</comment>
            <translation>un %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>a number card</comment>
            <translation>un %1 de la même couleur</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>a number card</comment>
            <translation>un %1 d’une autre couleur</translation>
        </message>
        <message>
            <source>%1 or lower</source>
            <comment>a rank</comment>
            <translation>%1 ou moins</translation>
        </message>
        <message>
            <source>offsuit</source>
            <comment>two discards are ...</comment>
            <translation>d’une autre couleur</translation>
        </message>
        <message>
            <source>suited</source>
            <comment>two discards are ...</comment>
            <translation>de la même couleur</translation>
        </message>
        <message>
            <source>%1 or lower</source>
            <comment>two discards are ...</comment>
            <translation>des %1 ou moins</translation>
        </message>
        <message>
            <source>suited %1 or lower</source>
            <comment>two discards are ...</comment>
            <translation>des %1 ou moins de la même couleur</translation>
        </message>
        <message>
            <source>offsuit %1 or lower</source>
            <comment>two discards are ...</comment>
            <translation>des %1 ou moins d’une autre couleur</translation>
        </message>
        <message>
            <source>%1s</source>
            <comment>two discards are ...</comment>
            <translation>des %1</translation>
        </message>
        <message>
            <source>suited %1s</source>
            <comment>two discards are ...</comment>
            <translation>des %1 de la même couleur</translation>
        </message>
        <message>
            <source>offsuit %1s</source>
            <comment>two discards are ...</comment>
            <translation>des %1 d’une autre couleur</translation>
        </message>
        <message>
            <source>a held card is %1</source>
            <translation>une carte gardée est %1</translation>
        </message>
        <message>
            <source>no held card is %1</source>
            <translation>aucune carte gardée n’est %1</translation>
        </message>
        <message>
            <source>two discards are %1</source>
            <translation>deux cartes jetées sont %1</translation>
        </message>
        <message>
            <source>no two discards are %1</source>
            <translation>moins de deux cartes jetées sont %1</translation>
        </message>
        <message>
            <source>a card is discarded</source>
            <translation>une carte est jetée</translation>
        </message>
        <message>
            <source>no card is discarded</source>
            <translation>aucune carte n’est jetée</translation>
        </message>
        <message>
            <source>a discard is suited</source>
            <translation>une carte jetée est de la même couleur</translation>
        </message>
        <message>
            <source>a discard is offsuit</source>
            <translation>une carte jetée est d’une autre couleur</translation>
        </message>
        <message>
            <source>no discard is suited</source>
            <translation>aucune carte jetée n’est de la même couleur</translation>
        </message>
        <message>
            <source>no discard is offsuit</source>
            <translation>aucune carte jetée n’est d’une autre couleur</translation>
        </message>
        <message>
            <source>a discard is %1</source>
            <translation>une carte jetée est %1</translation>
        </message>
        <message>
            <source>no discard is %1</source>
            <translation>aucune carte jetée n’est %1</translation>
        </message>
        <message>
            <source>%1 and %2</source>
            <comment>two conditions</comment>
            <translation>%1 et %2</translation>
        </message>
        <message>
            <source>but hold %1</source>
            <translation>mais garder %1</translation>
        </message>
        <message>
            <source>but hold %1 when %2</source>
            <translation>mais garder %1 si %2</translation>
        </message>
        <message>
            <source>exact</source>
            <comment>a strategy chart</comment>
            <translation>exact</translation>
        </message>
        <message>
            <source>beginner</source>
            <comment>a strategy chart</comment>
            <translation>pour débutants</translation>
        </message>
        <message>
            <source>basic</source>
            <comment>a strategy chart</comment>
            <translation>de base</translation>
        </message>
        <message>
            <source>line %1</source>
            <comment>of a strategy chart</comment>
            <translation>ligne %1</translation>
        </message>
        <message>
            <source>%1, no chart line</source>
            <translation>%1, aucune ligne du tableau</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <comment>a hold&apos;s kind, its chart line</comment>
            <translation>%1, %2</translation>
        </message>
        <message>
            <source>%1, %2, ranks above any hold off the chart.</source>
            <translation>%1, %2, passe avant tout choix hors du tableau.</translation>
        </message>
        <message>
            <source>%1, %2, ranks above %3, %4.</source>
            <translation>%1, %2, passe avant %3, %4.</translation>
        </message>
        <message>
            <source>Your hold breaks no line of the basic chart: this deal is one of the exceptions that only the exact chart names.</source>
            <translation>Votre choix n’enfreint aucune ligne du tableau de base : cette donne est l’une des exceptions que seul le tableau exact indique.</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>Velmora: Jacks or Better video poker with a big-or-small double-up.</source>
            <translation>Velmora : vidéo poker Valets ou mieux, avec un quitte ou double au plus ou moins.</translation>
        </message>
        <message>
            <source>Show this help and exit.</source>
            <translation>Afficher cette aide et quitter.</translation>
        </message>
        <message>
            <source>Show the version and exit.</source>
            <translation>Afficher la version et quitter.</translation>
        </message>
        <message>
            <source>%1: %2 See %1 --help.
</source>
            <translation>%1 : %2 Voir %1 --help.
</translation>
        </message>
        <message>
            <source>%1: unexpected argument &apos;%2&apos;. See %1 --help.
</source>
            <translation>%1 : argument inattendu « %2 ». Voir %1 --help.
</translation>
        </message>
        <message>
            <source>
Play with the mouse or the keyboard; the manual page
velmora(6) and the README explain the game.
</source>
            <translation>
On joue à la souris ou au clavier ; la page de manuel
velmora(6) et le README expliquent le jeu.
</translation>
        </message>
        <message>
            <source>%1: cannot write the output: %2
</source>
            <translation>%1 : impossible d’écrire la sortie : %2
</translation>
        </message>
    </context>
    <context>
        <name>QCommandLineParser</name>
        <message>
            <source>Usage: %1</source>
            <translation>Utilisation : %1</translation>
        </message>
        <message>
            <source>[options]</source>
            <translation>[options]</translation>
        </message>
        <message>
            <source>Options:</source>
            <translation>Options :</translation>
        </message>
        <message>
            <source>Unknown option &apos;%1&apos;.</source>
            <translation>Option inconnue « %1 ».</translation>
        </message>
        <message>
            <source>Unknown options: %1.</source>
            <translation>Options inconnues : %1.</translation>
        </message>
        <message>
            <source>Missing value after &apos;%1&apos;.</source>
            <translation>Valeur manquante après « %1 ».</translation>
        </message>
        <message>
            <source>Unexpected value after &apos;%1&apos;.</source>
            <translation>Valeur inattendue après « %1 ».</translation>
        </message>
    </context>
    <context>
        <name>Table</name>
        <message>
            <source>Press Deal to Start the Game</source>
            <translation>Appuyez sur Donner pour commencer</translation>
        </message>
        <message>
            <source>Click inside the card you want to keep</source>
            <translation>Cliquez sur les cartes à garder</translation>
        </message>
        <message>
            <source>Press Deal for next hand</source>
            <translation>Appuyez sur Donner pour rejouer</translation>
        </message>
        <message>
            <source>You Win 1 Point</source>
            <translation>Vous gagnez 1 point</translation>
        </message>
        <message>
            <source>HOLD</source>
            <translation>GARDÉE</translation>
        </message>
        <message>
            <source>Royal Flush</source>
            <translation>Quinte royale</translation>
        </message>
        <message>
            <source>Straight Flush</source>
            <translation>Quinte flush</translation>
        </message>
        <message>
            <source>4 of a Kind</source>
            <translation>Carré</translation>
        </message>
        <message>
            <source>Full House</source>
            <translation>Full</translation>
        </message>
        <message>
            <source>Flush</source>
            <translation>Couleur</translation>
        </message>
        <message>
            <source>Straight</source>
            <translation>Quinte</translation>
        </message>
        <message>
            <source>3 of a Kind</source>
            <translation>Brelan</translation>
        </message>
        <message>
            <source>Two Pairs</source>
            <translation>Deux paires</translation>
        </message>
        <message>
            <source>Jacks or Better</source>
            <translation>Valets ou mieux</translation>
        </message>
        <message numerus="yes">
            <source>You Win  %n Points</source>
            <translation>
                <numerusform>Vous gagnez %n point</numerusform>
                <numerusform>Vous gagnez %n points</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Velmora</name>
        <message>
            <source>face down</source>
            <translation>face cachée</translation>
        </message>
        <message>
            <source>Ace</source>
            <translation>As</translation>
        </message>
        <message>
            <source>Two</source>
            <translation>Deux</translation>
        </message>
        <message>
            <source>Three</source>
            <translation>Trois</translation>
        </message>
        <message>
            <source>Four</source>
            <translation>Quatre</translation>
        </message>
        <message>
            <source>Five</source>
            <translation>Cinq</translation>
        </message>
        <message>
            <source>Six</source>
            <translation>Six</translation>
        </message>
        <message>
            <source>Seven</source>
            <translation>Sept</translation>
        </message>
        <message>
            <source>Eight</source>
            <translation>Huit</translation>
        </message>
        <message>
            <source>Nine</source>
            <translation>Neuf</translation>
        </message>
        <message>
            <source>Ten</source>
            <translation>Dix</translation>
        </message>
        <message>
            <source>Jack</source>
            <translation>Valet</translation>
        </message>
        <message>
            <source>Queen</source>
            <translation>Dame</translation>
        </message>
        <message>
            <source>King</source>
            <translation>Roi</translation>
        </message>
        <message>
            <source>Clubs</source>
            <translation>trèfle</translation>
        </message>
        <message>
            <source>Diamonds</source>
            <translation>carreau</translation>
        </message>
        <message>
            <source>Hearts</source>
            <translation>cœur</translation>
        </message>
        <message>
            <source>Spades</source>
            <translation>pique</translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <extracomment>A card in words: %1 is its rank, %2 its suit (&quot;Queen of Hearts&quot;).</extracomment>
            <translation>%1 de %2</translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::AboutWindow</name>
        <message>
            <source>About Velmora</source>
            <translation>À propos de Velmora</translation>
        </message>
        <message>
            <source>Copyright © 2026 the Velmora authors</source>
            <translation>Copyright © 2026 les auteurs de Velmora</translation>
        </message>
        <message>
            <source>How to play, and the rules in full:</source>
            <translation>Comment jouer, et toutes les règles :</translation>
        </message>
        <message>
            <source>Jacks or Better video poker; no real money.
Trainer: right-click the table or press Menu.</source>
            <translation>Vidéo poker Valets ou mieux, sans argent réel.
Conseiller : clic droit sur la table ou touche Menu.</translation>
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
            <translation>meilleur</translation>
        </message>
        <message>
            <source>−%1</source>
            <translation>−%1</translation>
        </message>
        <message>
            <source>%1: %2, worth %3 credits, the best hold.</source>
            <translation>%1 : %2, vaut %3 crédits : le meilleur choix.</translation>
        </message>
        <message>
            <source>%1: %2, worth %3 credits, %4 less than the best.</source>
            <translation>%1 : %2, vaut %3 crédits, %4 de moins que le meilleur choix.</translation>
        </message>
        <message>
            <source>Best-hold advisor</source>
            <translation>Conseiller : meilleur choix</translation>
        </message>
        <message>
            <source>A value is what the hold brings back on average for the credit bet; its cost is what it gives up against the best hold.</source>
            <translation>La valeur est ce que le choix rapporte en moyenne pour le crédit misé ; le coût, ce qu&apos;il perd face au meilleur choix.</translation>
        </message>
        <message>
            <source>You drew with the best hold.</source>
            <translation>Vous avez tiré avec le meilleur choix.</translation>
        </message>
        <message>
            <source>You gave up %1 credits: the best hold, %2, was worth %3; yours was worth %4.</source>
            <translation>Vous avez perdu %1 crédits : le meilleur choix, %2, valait %3 ; le vôtre valait %4.</translation>
        </message>
        <message>
            <source>%1.</source>
            <translation>%1.</translation>
        </message>
        <message>
            <source>Hold number %1</source>
            <translation>Choix n°&#xa0;%1</translation>
        </message>
        <message>
            <source>You drew with</source>
            <translation>Vous avez tiré avec</translation>
        </message>
        <message>
            <source>Your hold</source>
            <translation>Votre choix</translation>
        </message>
        <message>
            <source>The game&apos;s suggestion</source>
            <translation>La suggestion du jeu</translation>
        </message>
        <message>
            <source>Best holds</source>
            <translation>Meilleurs choix</translation>
        </message>
        <message>
            <source>Cards kept</source>
            <translation>Cartes gardées</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Valeur</translation>
        </message>
        <message>
            <source>Cost</source>
            <translation>Coût</translation>
        </message>
        <message>
            <source>%1 Chart: %2.</source>
            <translation>%1 Tableau : %2.</translation>
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
            <translation>Crédits au fil des mains</translation>
        </message>
        <message>
            <source>The chart begins after the first hand.</source>
            <translation>Le graphique commence après la première main.</translation>
        </message>
        <message>
            <source>Over 1 hand the credits went from %1 to %2; the lowest was %3, the highest %4.</source>
            <translation>En 1 main, les crédits sont passés de %1 à %2 ; au plus bas %3, au plus haut %4.</translation>
        </message>
        <message numerus="yes">
            <source>Over %n hands the credits went from %1 to %2; the lowest was %3, the highest %4.</source>
            <translation>
                <numerusform>En %n main, les crédits sont passés de %1 à %2 ; au plus bas %3, au plus haut %4.</numerusform>
                <numerusform>En %n mains, les crédits sont passés de %1 à %2 ; au plus bas %3, au plus haut %4.</numerusform>
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
            <translation>%1 : %2</translation>
        </message>
        <message>
            <source>No win</source>
            <translation>Aucun gain</translation>
        </message>
        <message>
            <source>Velmora: session statistics</source>
            <translation>Velmora : statistiques de la séance</translation>
        </message>
        <message>
            <source>This session</source>
            <translation>Cette séance</translation>
        </message>
        <message>
            <source>Hands played</source>
            <translation>Mains jouées</translation>
        </message>
        <message>
            <source>Credits bet</source>
            <translation>Crédits misés</translation>
        </message>
        <message>
            <source>Credits taken</source>
            <translation>Crédits encaissés</translation>
        </message>
        <message>
            <source>Return</source>
            <translation>Taux de retour</translation>
        </message>
        <message>
            <source>Credits now</source>
            <translation>Crédits actuels</translation>
        </message>
        <message>
            <source>Double-up</source>
            <translation>Quitte ou double</translation>
        </message>
        <message>
            <source>Rounds</source>
            <translation>Tours</translation>
        </message>
        <message>
            <source>Right guesses</source>
            <translation>Bons paris</translation>
        </message>
        <message>
            <source>Wrong guesses</source>
            <translation>Mauvais paris</translation>
        </message>
        <message>
            <source>Points risked</source>
            <translation>Points risqués</translation>
        </message>
        <message>
            <source>Points brought home</source>
            <translation>Points rapportés</translation>
        </message>
        <message>
            <source>Your draws</source>
            <translation>Vos tirages</translation>
        </message>
        <message>
            <source>Draw decisions</source>
            <translation>Tirages</translation>
        </message>
        <message>
            <source>Holds worth less than the best</source>
            <translation>Choix moins bons que le meilleur</translation>
        </message>
        <message>
            <source>Expected credits given up</source>
            <translation>Crédits perdus en moyenne</translation>
        </message>
        <message>
            <source>The game&apos;s suggestions would have given up</source>
            <translation>Les suggestions du jeu auraient perdu</translation>
        </message>
        <message>
            <source>Hands made</source>
            <translation>Mains obtenues</translation>
        </message>
        <message>
            <source>Made</source>
            <translation>Obtenues</translation>
        </message>
        <message>
            <source>Share</source>
            <translation>Part</translation>
        </message>
        <message>
            <source>Perfect play</source>
            <translation>Jeu parfait</translation>
        </message>
        <message>
            <source>Perfect play keeps the best hold every time. At this table, whose draw keeps some cards of the last hand out, it brings back %1 (± %2) of the credits bet, measured over %3 hands; from a shuffled deck, exactly %4.</source>
            <translation>Le jeu parfait garde toujours le meilleur choix. À cette table, dont le tirage écarte certaines cartes de la main précédente, il rapporte %1 (± %2) des crédits misés, mesuré sur %3 mains ; avec un paquet mélangé, exactement %4.</translation>
        </message>
        <message>
            <source>Credits after each hand</source>
            <translation>Crédits après chaque main</translation>
        </message>
        <message>
            <source>none yet</source>
            <translation>pas encore</translation>
        </message>
        <message>
            <source>%1: made %2 times, %3 of the hands drawn; perfect play makes it %4 of the hands.</source>
            <translation>%1 : obtenue %2 fois, %3 des mains ; le jeu parfait l&apos;obtient dans %4 des mains.</translation>
        </message>
        <message>
            <source>working out…</source>
            <translation>calcul en cours…</translation>
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
            <translation>Velmora : tableau de stratégie</translation>
        </message>
        <message>
            <source>Read down the chart and hold the first kind of hold the deal has. The figures are this table&apos;s pays, from a shuffled deck: how often perfect play keeps each kind, and what that hold is worth on average, in credits per credit bet.</source>
            <translation>Lisez le tableau de haut en bas et gardez le premier type de choix que la donne contient. Les chiffres valent pour les gains de cette table, avec un paquet mélangé : la part des donnes où le jeu parfait garde chaque type, et ce que ce choix vaut en moyenne, en crédits par crédit misé.</translation>
        </message>
        <message>
            <source>Chart:</source>
            <translation>Tableau :</translation>
        </message>
        <message>
            <source>&amp;Basic</source>
            <translation>De &amp;base</translation>
        </message>
        <message>
            <source>&amp;Exact, with exceptions</source>
            <translation>&amp;Exact, avec exceptions</translation>
        </message>
        <message>
            <source>Be&amp;ginner</source>
            <translation>&amp;Débutant</translation>
        </message>
        <message>
            <source>Chart lines</source>
            <translation>Lignes du tableau</translation>
        </message>
        <message>
            <source>Line</source>
            <translation>Ligne</translation>
        </message>
        <message>
            <source>Hold</source>
            <translation>Choix</translation>
        </message>
        <message>
            <source>Deals</source>
            <translation>Donnes</translation>
        </message>
        <message>
            <source>Average value</source>
            <translation>Valeur moyenne</translation>
        </message>
        <message>
            <source>Broken this session</source>
            <translation>Enfreinte cette session</translation>
        </message>
        <message>
            <source>Working out the charts for this table’s pays…</source>
            <translation>Calcul des tableaux pour les gains de cette table…</translation>
        </message>
        <message>
            <source>Following the %1 chart on every deal brings back %2 of the credits bet; perfect play, %3.</source>
            <translation>Suivre le tableau %1 à chaque donne rapporte %2 des crédits misés ; le jeu parfait, %3.</translation>
        </message>
        <message>
            <source>once</source>
            <translation>une fois</translation>
        </message>
        <message numerus="yes">
            <source>%n times</source>
            <translation>
                <numerusform>%n fois</numerusform>
                <numerusform>%n fois</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::TableWindow</name>
        <message>
            <source>Deal</source>
            <translation>Donner</translation>
        </message>
        <message>
            <source>Deal a new hand for one credit</source>
            <translation>Distribuer une nouvelle main pour un crédit</translation>
        </message>
        <message>
            <source>Draw: replace every card without HOLD</source>
            <translation>Tirer : remplacer chaque carte non gardée</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Let go of every held card</source>
            <translation>Relâcher toutes les cartes gardées</translation>
        </message>
        <message>
            <source>Take</source>
            <translation>Prendre</translation>
        </message>
        <message>
            <source>Add the win to the credits</source>
            <translation>Ajouter le gain aux crédits</translation>
        </message>
        <message>
            <source>Double</source>
            <translation>Doubler</translation>
        </message>
        <message>
            <source>Risk the win on big-or-small guesses</source>
            <translation>Risquer le gain au jeu du plus ou moins</translation>
        </message>
        <message>
            <source>Big</source>
            <translation>Plus</translation>
        </message>
        <message>
            <source>Guess that the next card is bigger</source>
            <translation>Parier que la carte suivante est plus haute</translation>
        </message>
        <message>
            <source>Small</source>
            <translation>Moins</translation>
        </message>
        <message>
            <source>Guess that the next card is smaller</source>
            <translation>Parier que la carte suivante est plus basse</translation>
        </message>
        <message>
            <source>About</source>
            <translation>À propos</translation>
        </message>
        <message>
            <source>About Velmora</source>
            <translation>À propos de Velmora</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>End the game</source>
            <translation>Quitter le jeu</translation>
        </message>
        <message>
            <source>Click, or press %1, to hold or let go of this card</source>
            <translation>Cliquez, ou appuyez sur %1, pour garder ou relâcher cette carte</translation>
        </message>
        <message>
            <source>%1 (key %2)</source>
            <translation>%1 (touche %2)</translation>
        </message>
        <message>
            <source>%1. Key: %2</source>
            <translation>%1. Touche : %2</translation>
        </message>
        <message>
            <source>Card %1: %2</source>
            <translation>Carte %1 : %2</translation>
        </message>
        <message>
            <source>, held</source>
            <translation>, gardée</translation>
        </message>
        <message>
            <source>Card %1 is held</source>
            <translation>La carte %1 est gardée</translation>
        </message>
        <message>
            <source>%1, pays %2</source>
            <translation>%1, paie %2</translation>
        </message>
        <message>
            <source>, lit</source>
            <translation>, allumée</translation>
        </message>
        <message>
            <source>Credits: %1</source>
            <translation>Crédits : %1</translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::Trainer</name>
        <message>
            <source>Best-hold advisor</source>
            <translation>Conseiller : meilleur choix</translation>
        </message>
        <message>
            <source>Warn before a costly draw</source>
            <translation>Avertir avant un tirage coûteux</translation>
        </message>
        <message>
            <source>Session statistics…</source>
            <translation>Statistiques de la séance…</translation>
        </message>
        <message>
            <source>The cards are being dealt.</source>
            <translation>Les cartes sont distribuées.</translation>
        </message>
        <message>
            <source>Deal a hand: the best holds show here as soon as its five cards are up.</source>
            <translation>Donnez une main : les meilleurs choix s&apos;affichent ici dès que ses cinq cartes sont retournées.</translation>
        </message>
        <message>
            <source>Working out the value of every hold…</source>
            <translation>Calcul de la valeur de chaque choix…</translation>
        </message>
        <message>
            <source>Draw with this hold?</source>
            <translation>Tirer avec ce choix ?</translation>
        </message>
        <message>
            <source>Your hold gives up %1 credits against the best one.</source>
            <translation>Votre choix perd %1 crédits face au meilleur.</translation>
        </message>
        <message>
            <source>Your hold: %1, worth %2 credits.
The best hold: %3, worth %4 credits.</source>
            <translation>Votre choix : %1, vaut %2 crédits.
Le meilleur choix : %3, vaut %4 crédits.</translation>
        </message>
        <message>
            <source>Draw anyway</source>
            <translation>Tirer quand même</translation>
        </message>
        <message>
            <source>&amp;Change my hold</source>
            <translation>&amp;Changer mon choix</translation>
        </message>
        <message>
            <source>Strategy chart…</source>
            <translation>Tableau de stratégie…</translation>
        </message>
        <message>
            <source>Hand analyzer…</source>
            <translation>Analyseur de main…</translation>
        </message>
        <message>
            <source>Practice…</source>
            <translation>Entraînement…</translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::HandAnalyzer</name>
        <message>
            <source>Velmora: hand analyzer</source>
            <translation>Velmora : analyseur de main</translation>
        </message>
        <message>
            <source>&amp;Take the table&apos;s cards</source>
            <translation>&amp;Prendre les cartes de la table</translation>
        </message>
        <message>
            <source>C&amp;lear</source>
            <translation>&amp;Effacer</translation>
        </message>
        <message>
            <source>This table (%1)</source>
            <translation>Cette table (%1)</translation>
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
            <translation>Vos propres gains</translation>
        </message>
        <message>
            <source>&amp;Pays:</source>
            <translation>&amp;Gains :</translation>
        </message>
        <message>
            <source>Your own pays, Royal Flush first</source>
            <translation>Vos propres gains, la quinte flush royale d&apos;abord</translation>
        </message>
        <message>
            <source>Every hold, best first</source>
            <translation>Tous les choix, le meilleur d&apos;abord</translation>
        </message>
        <message>
            <source>Rank</source>
            <translation>Rang</translation>
        </message>
        <message>
            <source>Cards kept</source>
            <translation>Cartes gardées</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Valeur</translation>
        </message>
        <message>
            <source>Chart line</source>
            <translation>Ligne du tableau</translation>
        </message>
        <message>
            <source>Choose five cards (arrow keys move, Space or Enter chooses):</source>
            <translation>Choisissez cinq cartes (les flèches déplacent, Espace ou Entrée choisit) :</translation>
        </message>
        <message>
            <source>Five cards are chosen already: take one back first.</source>
            <translation>Cinq cartes sont déjà choisies : retirez-en une d&apos;abord.</translation>
        </message>
        <message>
            <source>Your own pays must be nine whole numbers from 1 to 100000, Royal Flush first, then Straight Flush, Four of a Kind, Full House, Flush, Straight, Three of a Kind, Two Pairs and Jacks or Better: for example 800/50/25/9/6/4/3/2/1.</source>
            <translation>Vos propres gains doivent être neuf nombres entiers de 1 à 100000 : quinte flush royale d&apos;abord, puis quinte flush, carré, full, couleur, quinte, brelan, deux paires et paire de valets ou mieux ; par exemple 800/50/25/9/6/4/3/2/1.</translation>
        </message>
        <message>
            <source>Choose five cards: %1 chosen.</source>
            <translation>Choisissez cinq cartes : %1 choisie(s).</translation>
        </message>
        <message>
            <source>Working out the value of every hold…</source>
            <translation>Calcul de la valeur de chaque choix…</translation>
        </message>
        <message>
            <source>Every hold from the best down, valued from a shuffled deck in credits per credit bet, with its line of the basic chart for these pays.</source>
            <translation>Tous les choix du meilleur au moins bon, évalués avec un paquet mélangé en crédits par crédit misé, avec leur ligne du tableau de base pour ces gains.</translation>
        </message>
        <message>
            <source>Working out the strategy chart for these pays…</source>
            <translation>Calcul du tableau de stratégie pour ces gains…</translation>
        </message>
        <message>
            <source>working out…</source>
            <translation>calcul en cours…</translation>
        </message>
        <message>
            <source>%1 best</source>
            <translation>%1 meilleur</translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::PracticeWindow</name>
        <message>
            <source>Velmora: practice</source>
            <translation>Velmora : entraînement</translation>
        </message>
        <message>
            <source>&amp;Lean the deals towards what I get wrong</source>
            <translation>&amp;Orienter les donnes vers mes erreurs</translation>
        </message>
        <message>
            <source>Hold the cards you would keep (click them or press 1 to 5), then press Enter to check. Practice has its own deck and costs no credits.</source>
            <translation>Gardez les cartes que vous garderiez (cliquez-les ou appuyez sur 1 à 5), puis appuyez sur Entrée pour vérifier. L&apos;entraînement a son propre paquet et ne coûte aucun crédit.</translation>
        </message>
        <message>
            <source>Working out the strategy chart for this table…</source>
            <translation>Calcul du tableau de stratégie de cette table…</translation>
        </message>
        <message>
            <source>Which cards would you hold?</source>
            <translation>Quelles cartes garderiez-vous ?</translation>
        </message>
        <message>
            <source>Not the best hold: it gives up %1 credits per credit bet.</source>
            <translation>Pas le meilleur choix : il perd %1 crédits par crédit misé.</translation>
        </message>
        <message>
            <source>The best hold.</source>
            <translation>Le meilleur choix.</translation>
        </message>
        <message>
            <source>Your hold: %1, worth %2 (%3).</source>
            <translation>Votre choix : %1, vaut %2 (%3).</translation>
        </message>
        <message>
            <source>The best hold: %1, worth %2.</source>
            <translation>Le meilleur choix : %1, vaut %2.</translation>
        </message>
        <message>
            <source>The chart reads %1.</source>
            <translation>Le tableau indique %1.</translation>
        </message>
        <message>
            <source>Values are expected credits per credit bet, from a shuffled deck.</source>
            <translation>Les valeurs sont des crédits espérés par crédit misé, avec un paquet mélangé.</translation>
        </message>
        <message>
            <source>HELD</source>
            <translation>GARDÉE</translation>
        </message>
        <message>
            <source>Card %1: %2%3</source>
            <extracomment>A practice card for screen readers: %1 its slot, %2 the card, then whether it is held.</extracomment>
            <translation>Carte %1 : %2%3</translation>
        </message>
        <message>
            <source>, held</source>
            <translation>, gardée</translation>
        </message>
        <message>
            <source>&amp;Next hand (Enter)</source>
            <translation>Main &amp;suivante (Entrée)</translation>
        </message>
        <message>
            <source>&amp;Check my hold (Enter)</source>
            <translation>&amp;Vérifier mon choix (Entrée)</translation>
        </message>
        <message>
            <source>Hands: %1. Best holds found: %2. Credits given up per 100 hands: %3.</source>
            <translation>Mains : %1. Meilleurs choix trouvés : %2. Crédits perdus pour 100 mains : %3.</translation>
        </message>
        <message>
            <source>Plain random deals: every hand is as likely as at a shuffled deck.</source>
            <translation>Donnes au hasard : chaque main est aussi probable qu&apos;avec un paquet mélangé.</translation>
        </message>
        <message>
            <source>none yet</source>
            <translation>aucune encore</translation>
        </message>
        <message>
            <source>Deals lean towards the chart lines you have missed, %1 times as often as chance deals them (missed so far: %2), and towards close decisions, where the best hold beats the next by less than %3 credits (%4 times as often).</source>
            <translation>Les donnes penchent vers les lignes du tableau que vous avez manquées, %1 fois plus souvent que le hasard (manquées jusqu&apos;ici : %2), et vers les décisions serrées, où le meilleur choix dépasse le suivant de moins de %3 crédit (%4 fois plus souvent).</translation>
        </message>
    </context>
</TS>