<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
    <context>
        <name>CommandLine</name>
        <message>
            <source>Velmora: Jacks or Better video poker with a big-or-small double-up.</source>
            <translation>Velmora: videopóker Jotas o mejor con doble o nada a mayor o menor.</translation>
        </message>
        <message>
            <source>Show this help and exit.</source>
            <translation>Mostrar esta ayuda y salir.</translation>
        </message>
        <message>
            <source>Show the version and exit.</source>
            <translation>Mostrar la versión y salir.</translation>
        </message>
        <message>
            <source>%1: %2 See %1 --help.
</source>
            <translation>%1: %2 Consulte %1 --help.
</translation>
        </message>
        <message>
            <source>%1: unexpected argument '%2'. See %1 --help.
</source>
            <translation>%1: argumento inesperado «%2». Consulte %1 --help.
</translation>
        </message>
        <message>
            <source>
Play with the mouse or the keyboard; the manual page
velmora(6) and the README explain the game.
</source>
            <translation>
Se juega con el ratón o el teclado; la página de manual
velmora(6) y el README explican el juego.
</translation>
        </message>
    </context>
    <context>
        <name>Table</name>
        <message>
            <source>Press Deal to Start the Game</source>
            <translation>Pulse Repartir para empezar</translation>
        </message>
        <message>
            <source>Click inside the card you want to keep</source>
            <translation>Haga clic en las cartas que quiere retener</translation>
        </message>
        <message>
            <source>Press Deal for next hand</source>
            <translation>Pulse Repartir para otra mano</translation>
        </message>
        <message>
            <source>You Win 1 Point</source>
            <translation>Gana 1 punto</translation>
        </message>
        <message>
            <source>HOLD</source>
            <translation>RETENIDA</translation>
        </message>
        <message>
            <source>Royal Flush</source>
            <translation>Escalera real</translation>
        </message>
        <message>
            <source>Straight Flush</source>
            <translation>Escalera de color</translation>
        </message>
        <message>
            <source>4 of a Kind</source>
            <translation>Póker</translation>
        </message>
        <message>
            <source>Full House</source>
            <translation>Full</translation>
        </message>
        <message>
            <source>Flush</source>
            <translation>Color</translation>
        </message>
        <message>
            <source>Straight</source>
            <translation>Escalera</translation>
        </message>
        <message>
            <source>3 of a Kind</source>
            <translation>Trío</translation>
        </message>
        <message>
            <source>Two Pairs</source>
            <translation>Doble pareja</translation>
        </message>
        <message>
            <source>Jacks or Better</source>
            <translation>Jotas o mejor</translation>
        </message>
        <message numerus="yes">
            <source>You Win  %n Points</source>
            <translation>
                <numerusform>Gana %n punto</numerusform>
                <numerusform>Gana %n puntos</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Velmora</name>
        <message>
            <source>face down</source>
            <translation>boca abajo</translation>
        </message>
        <message>
            <source>Ace</source>
            <translation>As</translation>
        </message>
        <message>
            <source>Two</source>
            <translation>Dos</translation>
        </message>
        <message>
            <source>Three</source>
            <translation>Tres</translation>
        </message>
        <message>
            <source>Four</source>
            <translation>Cuatro</translation>
        </message>
        <message>
            <source>Five</source>
            <translation>Cinco</translation>
        </message>
        <message>
            <source>Six</source>
            <translation>Seis</translation>
        </message>
        <message>
            <source>Seven</source>
            <translation>Siete</translation>
        </message>
        <message>
            <source>Eight</source>
            <translation>Ocho</translation>
        </message>
        <message>
            <source>Nine</source>
            <translation>Nueve</translation>
        </message>
        <message>
            <source>Ten</source>
            <translation>Diez</translation>
        </message>
        <message>
            <source>Jack</source>
            <translation>Jota</translation>
        </message>
        <message>
            <source>Queen</source>
            <translation>Reina</translation>
        </message>
        <message>
            <source>King</source>
            <translation>Rey</translation>
        </message>
        <message>
            <source>Clubs</source>
            <translation>tréboles</translation>
        </message>
        <message>
            <source>Diamonds</source>
            <translation>diamantes</translation>
        </message>
        <message>
            <source>Hearts</source>
            <translation>corazones</translation>
        </message>
        <message>
            <source>Spades</source>
            <translation>picas</translation>
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
            <translation>Acerca de Velmora</translation>
        </message>
        <message>
            <source>Copyright © 2026 the Velmora authors</source>
            <translation>Copyright © 2026 los autores de Velmora</translation>
        </message>
        <message>
            <source>How to play, and the rules in full:</source>
            <translation>Cómo jugar, y todas las reglas:</translation>
        </message>
        <message>
            <source>Jacks or Better video poker with a big-or-small
double-up. Free to play; no real money.</source>
            <translation>Videopóker Jotas o mejor con doble o nada
a mayor o menor. Gratis, sin dinero real.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::TableWindow</name>
        <message>
            <source>Deal</source>
            <translation>Repartir</translation>
        </message>
        <message>
            <source>Deal a new hand for one credit</source>
            <translation>Repartir una mano nueva por un crédito</translation>
        </message>
        <message>
            <source>Draw: replace every card without HOLD</source>
            <translation>Robar: cambiar todas las cartas no retenidas</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Let go of every held card</source>
            <translation>Soltar todas las cartas retenidas</translation>
        </message>
        <message>
            <source>Take</source>
            <translation>Cobrar</translation>
        </message>
        <message>
            <source>Add the win to the credits</source>
            <translation>Sumar el premio a los créditos</translation>
        </message>
        <message>
            <source>Double</source>
            <translation>Doblar</translation>
        </message>
        <message>
            <source>Risk the win on big-or-small guesses</source>
            <translation>Arriesgar el premio a mayor o menor</translation>
        </message>
        <message>
            <source>Big</source>
            <translation>Mayor</translation>
        </message>
        <message>
            <source>Guess that the next card is bigger</source>
            <translation>Apostar a que la carta siguiente es mayor</translation>
        </message>
        <message>
            <source>Small</source>
            <translation>Menor</translation>
        </message>
        <message>
            <source>Guess that the next card is smaller</source>
            <translation>Apostar a que la carta siguiente es menor</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Acerca de</translation>
        </message>
        <message>
            <source>About Velmora</source>
            <translation>Acerca de Velmora</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Salir</translation>
        </message>
        <message>
            <source>End the game</source>
            <translation>Terminar la partida</translation>
        </message>
        <message>
            <source>Click, or press %1, to hold or let go of this card</source>
            <translation>Haga clic, o pulse %1, para retener o soltar esta carta</translation>
        </message>
        <message>
            <source>%1 (key %2)</source>
            <translation>%1 (tecla %2)</translation>
        </message>
        <message>
            <source>%1. Key: %2</source>
            <translation>%1. Tecla: %2</translation>
        </message>
        <message>
            <source>Card %1: %2</source>
            <translation>Carta %1: %2</translation>
        </message>
        <message>
            <source>, held</source>
            <translation>, retenida</translation>
        </message>
        <message>
            <source>%1, pays %2</source>
            <translation>%1, paga %2</translation>
        </message>
        <message>
            <source>, lit</source>
            <translation>, iluminada</translation>
        </message>
        <message>
            <source>Credits: %1</source>
            <translation>Créditos: %1</translation>
        </message>
    </context>
</TS>