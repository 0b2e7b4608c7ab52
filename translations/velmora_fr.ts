<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
            <source>%1: unexpected argument '%2'. See %1 --help.
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
            <extracomment>A card in words: %1 is its rank, %2 its suit ("Queen of Hearts").</extracomment>
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
            <source>Jacks or Better video poker with a big-or-small
double-up. Free to play; no real money.</source>
            <translation>Vidéo poker Valets ou mieux, avec un quitte ou
double au plus ou moins. Gratuit, sans argent réel.</translation>
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
</TS>