<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
            <translation>J</translation>
        </message>
        <message>
            <source>Q</source>
            <comment>the Queen, on a card</comment>
            <translation>Q</translation>
        </message>
        <message>
            <source>K</source>
            <comment>the King, on a card</comment>
            <translation>K</translation>
        </message>
        <message>
            <source>no card</source>
            <translation>ninguna carta</translation>
        </message>
        <message>
            <source>draw five new cards</source>
            <translation>robar cinco cartas nuevas</translation>
        </message>
        <message>
            <source>keep all five cards</source>
            <translation>retener las cinco cartas</translation>
        </message>
        <message>
            <source>keep %1</source>
            <translation>retener %1</translation>
        </message>
        <message>
            <source>slot %1</source>
            <translation>a la posición %1</translation>
        </message>
        <message>
            <source>slots %1 to %2</source>
            <translation>a las posiciones %1 a %2</translation>
        </message>
        <message>
            <source>slots %1</source>
            <translation>a las posiciones %1</translation>
        </message>
        <message>
            <source>the %1 of the last hand cannot come back into %2</source>
            <translation>%1 de la mano anterior no puede volver %2</translation>
        </message>
        <message>
            <source>so keeping %1 cannot make a %2</source>
            <translation>así que quedarse con %1 no puede dar %2</translation>
        </message>
        <message>
            <source>so keeping %1 is worth %2 here, not %3</source>
            <translation>así que quedarse con %1 vale aquí %2, no %3</translation>
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
            <translation>escalera o mejor</translation>
        </message>
        <message>
            <source>high pair</source>
            <translation>pareja alta</translation>
        </message>
        <message>
            <source>two pairs</source>
            <translation>doble pareja</translation>
        </message>
        <message>
            <source>three of a kind</source>
            <translation>trío</translation>
        </message>
        <message>
            <source>straight</source>
            <translation>escalera</translation>
        </message>
        <message>
            <source>flush</source>
            <translation>color</translation>
        </message>
        <message>
            <source>full house</source>
            <translation>full</translation>
        </message>
        <message>
            <source>four of a kind</source>
            <translation>póker</translation>
        </message>
        <message>
            <source>straight flush</source>
            <translation>escalera de color</translation>
        </message>
        <message>
            <source>royal flush</source>
            <translation>escalera real</translation>
        </message>
        <message>
            <source>draw five</source>
            <translation>robar cinco cartas</translation>
        </message>
        <message>
            <source>low pair</source>
            <translation>pareja baja</translation>
        </message>
        <message>
            <source>other holds</source>
            <translation>otras opciones</translation>
        </message>
        <message numerus="yes">
            <source>%n to a royal flush</source>
            <translation>
                <numerusform>%n carta para escalera real</numerusform>
                <numerusform>%n cartas para escalera real</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to an outside straight flush</source>
            <translation>
                <numerusform>%n carta para escalera de color abierta</numerusform>
                <numerusform>%n cartas para escalera de color abierta</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to an inside straight flush</source>
            <translation>
                <numerusform>%n carta para escalera de color interna</numerusform>
                <numerusform>%n cartas para escalera de color interna</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to a double inside straight flush</source>
            <translation>
                <numerusform>%n carta para escalera de color con dos huecos</numerusform>
                <numerusform>%n cartas para escalera de color con dos huecos</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to a straight flush</source>
            <translation>
                <numerusform>%n carta para escalera de color</numerusform>
                <numerusform>%n cartas para escalera de color</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to an outside straight</source>
            <translation>
                <numerusform>%n carta para escalera abierta</numerusform>
                <numerusform>%n cartas para escalera abierta</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to an inside straight</source>
            <translation>
                <numerusform>%n carta para escalera interna</numerusform>
                <numerusform>%n cartas para escalera interna</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to a double inside straight</source>
            <translation>
                <numerusform>%n carta para escalera con dos huecos</numerusform>
                <numerusform>%n cartas para escalera con dos huecos</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to a straight</source>
            <translation>
                <numerusform>%n carta para escalera</numerusform>
                <numerusform>%n cartas para escalera</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n to a flush</source>
            <translation>
                <numerusform>%n carta para color</numerusform>
                <numerusform>%n cartas para color</numerusform>
            </translation>
        </message>
        <message>
            <source>%1 with no high cards</source>
            <translation>%1, ninguna alta</translation>
        </message>
        <message numerus="yes">
            <source>%1 with %n high cards</source>
            <translation>
                <numerusform>%1, %n de ellas alta</numerusform>
                <numerusform>%1, %n de ellas altas</numerusform>
            </translation>
        </message>
        <message>
            <source>%1 with 1 high card</source>
            <translation>%1, 1 de ellas alta</translation>
        </message>
        <message>
            <source>1 high card</source>
            <translation>1 carta alta</translation>
        </message>
        <message numerus="yes">
            <source>suited %n high cards</source>
            <translation>
                <numerusform>%n carta alta del mismo palo</numerusform>
                <numerusform>%n cartas altas del mismo palo</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n high cards</source>
            <translation>
                <numerusform>%n carta alta</numerusform>
                <numerusform>%n cartas altas</numerusform>
            </translation>
        </message>
        <message>
            <source>suited %1</source>
            <translation>%1 del mismo palo</translation>
        </message>
        <message>
            <source>an %1</source>
            <comment>an Ace</comment>
            <translation>un %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>an Ace</comment>
            <translation>un %1 del mismo palo</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>an Ace</comment>
            <translation>un %1 de otro palo</translation>
        </message>
        <message>
            <source>an %1</source>
            <comment>an Eight</comment>
            <translation>un %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>an Eight</comment>
            <translation>un %1 del mismo palo</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>an Eight</comment>
            <translation>un %1 de otro palo</translation>
        </message>
        <message>
            <source>a %1</source>
            <comment>a King</comment>
            <translation>un %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>a King</comment>
            <translation>un %1 del mismo palo</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>a King</comment>
            <translation>un %1 de otro palo</translation>
        </message>
        <message>
            <source>a %1</source>
            <comment>a Queen</comment>
            <translation>una %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>a Queen</comment>
            <translation>una %1 del mismo palo</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>a Queen</comment>
            <translation>una %1 de otro palo</translation>
        </message>
        <message>
            <source>a %1</source>
            <comment>a Jack</comment>
            <translation>una %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>a Jack</comment>
            <translation>una %1 del mismo palo</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>a Jack</comment>
            <translation>una %1 de otro palo</translation>
        </message>
        <message>
            <source>a %1</source>
            <comment>a number card</comment>
            <translation>un %1</translation>
        </message>
        <message>
            <source>a suited %1</source>
            <comment>a number card</comment>
            <translation>un %1 del mismo palo</translation>
        </message>
        <message>
            <source>an offsuit %1</source>
            <comment>a number card</comment>
            <translation>un %1 de otro palo</translation>
        </message>
        <message>
            <source>%1 or lower</source>
            <comment>a rank</comment>
            <translation>%1 o menor</translation>
        </message>
        <message>
            <source>offsuit</source>
            <comment>two discards are ...</comment>
            <translation>de otro palo</translation>
        </message>
        <message>
            <source>suited</source>
            <comment>two discards are ...</comment>
            <translation>del mismo palo</translation>
        </message>
        <message>
            <source>%1 or lower</source>
            <comment>two discards are ...</comment>
            <translation>%1 o menores</translation>
        </message>
        <message>
            <source>suited %1 or lower</source>
            <comment>two discards are ...</comment>
            <translation>%1 o menores del mismo palo</translation>
        </message>
        <message>
            <source>offsuit %1 or lower</source>
            <comment>two discards are ...</comment>
            <translation>%1 o menores de otro palo</translation>
        </message>
        <message>
            <source>%1s</source>
            <comment>two discards are ...</comment>
            <translation>%1</translation>
        </message>
        <message>
            <source>suited %1s</source>
            <comment>two discards are ...</comment>
            <translation>%1 del mismo palo</translation>
        </message>
        <message>
            <source>offsuit %1s</source>
            <comment>two discards are ...</comment>
            <translation>%1 de otro palo</translation>
        </message>
        <message>
            <source>a held card is %1</source>
            <translation>una carta retenida es %1</translation>
        </message>
        <message>
            <source>no held card is %1</source>
            <translation>ninguna carta retenida es %1</translation>
        </message>
        <message>
            <source>two discards are %1</source>
            <translation>dos cartas descartadas son %1</translation>
        </message>
        <message>
            <source>no two discards are %1</source>
            <translation>menos de dos cartas descartadas son %1</translation>
        </message>
        <message>
            <source>a card is discarded</source>
            <translation>se descarta una carta</translation>
        </message>
        <message>
            <source>no card is discarded</source>
            <translation>no se descarta ninguna carta</translation>
        </message>
        <message>
            <source>a discard is suited</source>
            <translation>una carta descartada es del mismo palo</translation>
        </message>
        <message>
            <source>a discard is offsuit</source>
            <translation>una carta descartada es de otro palo</translation>
        </message>
        <message>
            <source>no discard is suited</source>
            <translation>ninguna carta descartada es del mismo palo</translation>
        </message>
        <message>
            <source>no discard is offsuit</source>
            <translation>ninguna carta descartada es de otro palo</translation>
        </message>
        <message>
            <source>a discard is %1</source>
            <translation>una carta descartada es %1</translation>
        </message>
        <message>
            <source>no discard is %1</source>
            <translation>ninguna carta descartada es %1</translation>
        </message>
        <message>
            <source>%1 and %2</source>
            <comment>two conditions</comment>
            <translation>%1 y %2</translation>
        </message>
        <message>
            <source>but hold %1</source>
            <translation>pero retener %1</translation>
        </message>
        <message>
            <source>but hold %1 when %2</source>
            <translation>pero retener %1 si %2</translation>
        </message>
        <message>
            <source>exact</source>
            <comment>a strategy chart</comment>
            <translation>exacta</translation>
        </message>
        <message>
            <source>beginner</source>
            <comment>a strategy chart</comment>
            <translation>para principiantes</translation>
        </message>
        <message>
            <source>basic</source>
            <comment>a strategy chart</comment>
            <translation>básica</translation>
        </message>
        <message>
            <source>line %1</source>
            <comment>of a strategy chart</comment>
            <translation>línea %1</translation>
        </message>
        <message>
            <source>%1, no chart line</source>
            <translation>%1, sin línea en la tabla</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <comment>a hold&apos;s kind, its chart line</comment>
            <translation>%1, %2</translation>
        </message>
        <message>
            <source>%1, %2, ranks above any hold off the chart.</source>
            <translation>%1, %2, va antes que cualquier opción fuera de la tabla.</translation>
        </message>
        <message>
            <source>%1, %2, ranks above %3, %4.</source>
            <translation>%1, %2, va antes que %3, %4.</translation>
        </message>
        <message>
            <source>Your hold breaks no line of the basic chart: this deal is one of the exceptions that only the exact chart names.</source>
            <translation>Su opción no incumple ninguna línea de la tabla básica: esta mano es una de las excepciones que solo indica la tabla exacta.</translation>
        </message>
    </context>
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
            <source>%1: unexpected argument &apos;%2&apos;. See %1 --help.
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
        <message>
            <source>%1: cannot write the output: %2
</source>
            <translation>%1: no se puede escribir la salida: %2
</translation>
        </message>
    </context>
    <context>
        <name>QCommandLineParser</name>
        <message>
            <source>Usage: %1</source>
            <translation>Uso: %1</translation>
        </message>
        <message>
            <source>[options]</source>
            <translation>[opciones]</translation>
        </message>
        <message>
            <source>Options:</source>
            <translation>Opciones:</translation>
        </message>
        <message>
            <source>Unknown option &apos;%1&apos;.</source>
            <translation>Opción desconocida «%1».</translation>
        </message>
        <message>
            <source>Unknown options: %1.</source>
            <translation>Opciones desconocidas: %1.</translation>
        </message>
        <message>
            <source>Missing value after &apos;%1&apos;.</source>
            <translation>Falta un valor tras «%1».</translation>
        </message>
        <message>
            <source>Unexpected value after &apos;%1&apos;.</source>
            <translation>Valor inesperado tras «%1».</translation>
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
            <extracomment>A card in words: %1 is its rank, %2 its suit (&quot;Queen of Hearts&quot;).</extracomment>
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
            <source>Jacks or Better video poker; no real money.
Trainer: right-click the table or press Menu.</source>
            <translation>Videopóker Jotas o mejor, sin dinero real.
Asesor: clic derecho en la mesa o tecla Menú.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::AdvisorPanel</name>
        <message>
            <source>best</source>
            <translation>mejor</translation>
        </message>
        <message>
            <source>−%1</source>
            <translation>−%1</translation>
        </message>
        <message>
            <source>%1: %2, worth %3 credits, the best hold.</source>
            <translation>%1: %2, vale %3 créditos: la mejor opción.</translation>
        </message>
        <message>
            <source>%1: %2, worth %3 credits, %4 less than the best.</source>
            <translation>%1: %2, vale %3 créditos, %4 menos que la mejor opción.</translation>
        </message>
        <message>
            <source>Best-hold advisor</source>
            <translation>Asesor: mejor opción</translation>
        </message>
        <message>
            <source>A value is what the hold brings back on average for the credit bet; its cost is what it gives up against the best hold.</source>
            <translation>El valor es lo que la opción devuelve de media por el crédito apostado; el coste, lo que pierde frente a la mejor opción.</translation>
        </message>
        <message>
            <source>You drew with the best hold.</source>
            <translation>Ha robado con la mejor opción.</translation>
        </message>
        <message>
            <source>You gave up %1 credits: the best hold, %2, was worth %3; yours was worth %4.</source>
            <translation>Ha perdido %1 créditos: la mejor opción, %2, valía %3; la suya valía %4.</translation>
        </message>
        <message>
            <source>%1.</source>
            <translation>%1.</translation>
        </message>
        <message>
            <source>Hold number %1</source>
            <translation>Opción n.º&#xa0;%1</translation>
        </message>
        <message>
            <source>You drew with</source>
            <translation>Ha robado con</translation>
        </message>
        <message>
            <source>Your hold</source>
            <translation>Su opción</translation>
        </message>
        <message>
            <source>The game&apos;s suggestion</source>
            <translation>La sugerencia del juego</translation>
        </message>
        <message>
            <source>Best holds</source>
            <translation>Mejores opciones</translation>
        </message>
        <message>
            <source>Cards kept</source>
            <translation>Cartas retenidas</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Valor</translation>
        </message>
        <message>
            <source>Cost</source>
            <translation>Coste</translation>
        </message>
        <message>
            <source>%1 Chart: %2.</source>
            <translation>%1 Tabla: %2.</translation>
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
            <translation>Créditos a lo largo de las manos</translation>
        </message>
        <message>
            <source>The chart begins after the first hand.</source>
            <translation>El gráfico empieza tras la primera mano.</translation>
        </message>
        <message>
            <source>Over 1 hand the credits went from %1 to %2; the lowest was %3, the highest %4.</source>
            <translation>En 1 mano, los créditos pasaron de %1 a %2; el mínimo fue %3 y el máximo %4.</translation>
        </message>
        <message numerus="yes">
            <source>Over %n hands the credits went from %1 to %2; the lowest was %3, the highest %4.</source>
            <translation>
                <numerusform>En %n mano, los créditos pasaron de %1 a %2; el mínimo fue %3 y el máximo %4.</numerusform>
                <numerusform>En %n manos, los créditos pasaron de %1 a %2; el mínimo fue %3 y el máximo %4.</numerusform>
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
            <translation>Sin premio</translation>
        </message>
        <message>
            <source>Velmora: session statistics</source>
            <translation>Velmora: estadísticas de la sesión</translation>
        </message>
        <message>
            <source>This session</source>
            <translation>Esta sesión</translation>
        </message>
        <message>
            <source>Hands played</source>
            <translation>Manos jugadas</translation>
        </message>
        <message>
            <source>Credits bet</source>
            <translation>Créditos apostados</translation>
        </message>
        <message>
            <source>Credits taken</source>
            <translation>Créditos cobrados</translation>
        </message>
        <message>
            <source>Return</source>
            <translation>Retorno</translation>
        </message>
        <message>
            <source>Credits now</source>
            <translation>Créditos actuales</translation>
        </message>
        <message>
            <source>Double-up</source>
            <translation>Doble o nada</translation>
        </message>
        <message>
            <source>Rounds</source>
            <translation>Rondas</translation>
        </message>
        <message>
            <source>Right guesses</source>
            <translation>Aciertos</translation>
        </message>
        <message>
            <source>Wrong guesses</source>
            <translation>Fallos</translation>
        </message>
        <message>
            <source>Points risked</source>
            <translation>Puntos arriesgados</translation>
        </message>
        <message>
            <source>Points brought home</source>
            <translation>Puntos cobrados</translation>
        </message>
        <message>
            <source>Your draws</source>
            <translation>Sus robos</translation>
        </message>
        <message>
            <source>Draw decisions</source>
            <translation>Robos</translation>
        </message>
        <message>
            <source>Holds worth less than the best</source>
            <translation>Opciones peores que la mejor</translation>
        </message>
        <message>
            <source>Expected credits given up</source>
            <translation>Créditos perdidos de media</translation>
        </message>
        <message>
            <source>The game&apos;s suggestions would have given up</source>
            <translation>Las sugerencias del juego habrían perdido</translation>
        </message>
        <message>
            <source>Hands made</source>
            <translation>Manos conseguidas</translation>
        </message>
        <message>
            <source>Made</source>
            <translation>Conseguidas</translation>
        </message>
        <message>
            <source>Share</source>
            <translation>Proporción</translation>
        </message>
        <message>
            <source>Perfect play</source>
            <translation>Juego perfecto</translation>
        </message>
        <message>
            <source>Perfect play keeps the best hold every time. At this table, whose draw keeps some cards of the last hand out, it brings back %1 (± %2) of the credits bet, measured over %3 hands; from a shuffled deck, exactly %4.</source>
            <translation>El juego perfecto retiene siempre la mejor opción. En esta mesa, cuyo robo excluye algunas cartas de la mano anterior, devuelve el %1 (± %2) de los créditos apostados, medido en %3 manos; con una baraja mezclada, exactamente el %4.</translation>
        </message>
        <message>
            <source>Credits after each hand</source>
            <translation>Créditos tras cada mano</translation>
        </message>
        <message>
            <source>none yet</source>
            <translation>aún no</translation>
        </message>
        <message>
            <source>%1: made %2 times, %3 of the hands drawn; perfect play makes it %4 of the hands.</source>
            <translation>%1: conseguida %2 veces, el %3 de las manos; el juego perfecto la consigue en el %4 de las manos.</translation>
        </message>
        <message>
            <source>working out…</source>
            <translation>calculando…</translation>
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
            <translation>Velmora: tabla de estrategia</translation>
        </message>
        <message>
            <source>Read down the chart and hold the first kind of hold the deal has. The figures are this table&apos;s pays, from a shuffled deck: how often perfect play keeps each kind, and what that hold is worth on average, in credits per credit bet.</source>
            <translation>Lea la tabla de arriba abajo y retenga el primer tipo de opción que tenga la mano. Las cifras son para los pagos de esta mesa, con una baraja mezclada: con qué frecuencia el juego perfecto retiene cada tipo y lo que vale esa opción de media, en créditos por crédito apostado.</translation>
        </message>
        <message>
            <source>Chart:</source>
            <translation>Tabla:</translation>
        </message>
        <message>
            <source>&amp;Basic</source>
            <translation>&amp;Básica</translation>
        </message>
        <message>
            <source>&amp;Exact, with exceptions</source>
            <translation>&amp;Exacta, con excepciones</translation>
        </message>
        <message>
            <source>Be&amp;ginner</source>
            <translation>&amp;Principiante</translation>
        </message>
        <message>
            <source>Chart lines</source>
            <translation>Líneas de la tabla</translation>
        </message>
        <message>
            <source>Line</source>
            <translation>Línea</translation>
        </message>
        <message>
            <source>Hold</source>
            <translation>Opción</translation>
        </message>
        <message>
            <source>Deals</source>
            <translation>Manos</translation>
        </message>
        <message>
            <source>Average value</source>
            <translation>Valor medio</translation>
        </message>
        <message>
            <source>Broken this session</source>
            <translation>Incumplida en esta sesión</translation>
        </message>
        <message>
            <source>Working out the charts for this table’s pays…</source>
            <translation>Calculando las tablas para los pagos de esta mesa…</translation>
        </message>
        <message>
            <source>Following the %1 chart on every deal brings back %2 of the credits bet; perfect play, %3.</source>
            <translation>Seguir la tabla %1 en cada mano devuelve el %2 de los créditos apostados; el juego perfecto, el %3.</translation>
        </message>
        <message>
            <source>once</source>
            <translation>una vez</translation>
        </message>
        <message numerus="yes">
            <source>%n times</source>
            <translation>
                <numerusform>%n vez</numerusform>
                <numerusform>%n veces</numerusform>
            </translation>
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
            <source>Card %1 is held</source>
            <translation>La carta %1 está retenida</translation>
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
    <context>
        <name>velmora::ui::Trainer</name>
        <message>
            <source>Best-hold advisor</source>
            <translation>Asesor: mejor opción</translation>
        </message>
        <message>
            <source>Warn before a costly draw</source>
            <translation>Avisar antes de un robo costoso</translation>
        </message>
        <message>
            <source>Session statistics…</source>
            <translation>Estadísticas de la sesión…</translation>
        </message>
        <message>
            <source>The cards are being dealt.</source>
            <translation>Se reparten las cartas.</translation>
        </message>
        <message>
            <source>Deal a hand: the best holds show here as soon as its five cards are up.</source>
            <translation>Reparta una mano: las mejores opciones aparecen aquí en cuanto se destapan sus cinco cartas.</translation>
        </message>
        <message>
            <source>Working out the value of every hold…</source>
            <translation>Calculando el valor de cada opción…</translation>
        </message>
        <message>
            <source>Draw with this hold?</source>
            <translation>¿Robar con esta opción?</translation>
        </message>
        <message>
            <source>Your hold gives up %1 credits against the best one.</source>
            <translation>Su opción pierde %1 créditos frente a la mejor.</translation>
        </message>
        <message>
            <source>Your hold: %1, worth %2 credits.
The best hold: %3, worth %4 credits.</source>
            <translation>Su opción: %1, vale %2 créditos.
La mejor opción: %3, vale %4 créditos.</translation>
        </message>
        <message>
            <source>Draw anyway</source>
            <translation>Robar de todos modos</translation>
        </message>
        <message>
            <source>&amp;Change my hold</source>
            <translation>&amp;Cambiar mi opción</translation>
        </message>
        <message>
            <source>Strategy chart…</source>
            <translation>Tabla de estrategia…</translation>
        </message>
        <message>
            <source>Hand analyzer…</source>
            <translation>Analizador de manos…</translation>
        </message>
        <message>
            <source>Practice…</source>
            <translation>Práctica…</translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::HandAnalyzer</name>
        <message>
            <source>Velmora: hand analyzer</source>
            <translation>Velmora: analizador de manos</translation>
        </message>
        <message>
            <source>&amp;Take the table&apos;s cards</source>
            <translation>&amp;Tomar las cartas de la mesa</translation>
        </message>
        <message>
            <source>C&amp;lear</source>
            <translation>&amp;Borrar</translation>
        </message>
        <message>
            <source>This table (%1)</source>
            <translation>Esta mesa (%1)</translation>
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
            <translation>Sus propios pagos</translation>
        </message>
        <message>
            <source>&amp;Pays:</source>
            <translation>Pa&amp;gos:</translation>
        </message>
        <message>
            <source>Your own pays, Royal Flush first</source>
            <translation>Sus propios pagos, la escalera real primero</translation>
        </message>
        <message>
            <source>Every hold, best first</source>
            <translation>Todas las opciones, la mejor primero</translation>
        </message>
        <message>
            <source>Rank</source>
            <translation>Puesto</translation>
        </message>
        <message>
            <source>Cards kept</source>
            <translation>Cartas retenidas</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Valor</translation>
        </message>
        <message>
            <source>Chart line</source>
            <translation>Línea de la tabla</translation>
        </message>
        <message>
            <source>Choose five cards (arrow keys move, Space or Enter chooses):</source>
            <translation>Elija cinco cartas (las flechas mueven, Espacio o Intro elige):</translation>
        </message>
        <message>
            <source>Five cards are chosen already: take one back first.</source>
            <translation>Ya hay cinco cartas elegidas: quite una primero.</translation>
        </message>
        <message>
            <source>Your own pays must be nine whole numbers from 1 to 100000, Royal Flush first, then Straight Flush, Four of a Kind, Full House, Flush, Straight, Three of a Kind, Two Pairs and Jacks or Better: for example 800/50/25/9/6/4/3/2/1.</source>
            <translation>Sus propios pagos deben ser nueve números enteros de 1 a 100000: escalera real primero, luego escalera de color, póker, full, color, escalera, trío, doble pareja y jotas o mejor; por ejemplo 800/50/25/9/6/4/3/2/1.</translation>
        </message>
        <message>
            <source>Choose five cards: %1 chosen.</source>
            <translation>Elija cinco cartas: %1 elegida(s).</translation>
        </message>
        <message>
            <source>Working out the value of every hold…</source>
            <translation>Calculando el valor de cada opción…</translation>
        </message>
        <message>
            <source>Every hold from the best down, valued from a shuffled deck in credits per credit bet, with its line of the basic chart for these pays.</source>
            <translation>Todas las opciones de la mejor hacia abajo, valoradas con una baraja mezclada en créditos por crédito apostado, con su línea de la tabla básica para estos pagos.</translation>
        </message>
        <message>
            <source>Working out the strategy chart for these pays…</source>
            <translation>Calculando la tabla de estrategia para estos pagos…</translation>
        </message>
        <message>
            <source>working out…</source>
            <translation>calculando…</translation>
        </message>
        <message>
            <source>%1 best</source>
            <translation>%1 mejor</translation>
        </message>
    </context>
    <context>
        <name>velmora::ui::PracticeWindow</name>
        <message>
            <source>Velmora: practice</source>
            <translation>Velmora: práctica</translation>
        </message>
        <message>
            <source>&amp;Lean the deals towards what I get wrong</source>
            <translation>&amp;Orientar los repartos hacia mis errores</translation>
        </message>
        <message>
            <source>Hold the cards you would keep (click them or press 1 to 5), then press Enter to check. Practice has its own deck and costs no credits.</source>
            <translation>Retenga las cartas que guardaría (haga clic o pulse 1 a 5) y pulse Intro para comprobar. La práctica tiene su propia baraja y no cuesta créditos.</translation>
        </message>
        <message>
            <source>Working out the strategy chart for this table…</source>
            <translation>Calculando la tabla de estrategia de esta mesa…</translation>
        </message>
        <message>
            <source>Which cards would you hold?</source>
            <translation>¿Qué cartas retendría?</translation>
        </message>
        <message>
            <source>Not the best hold: it gives up %1 credits per credit bet.</source>
            <translation>No es la mejor opción: pierde %1 créditos por crédito apostado.</translation>
        </message>
        <message>
            <source>The best hold.</source>
            <translation>La mejor opción.</translation>
        </message>
        <message>
            <source>Your hold: %1, worth %2 (%3).</source>
            <translation>Su opción: %1, vale %2 (%3).</translation>
        </message>
        <message>
            <source>The best hold: %1, worth %2.</source>
            <translation>La mejor opción: %1, vale %2.</translation>
        </message>
        <message>
            <source>The chart reads %1.</source>
            <translation>La tabla indica %1.</translation>
        </message>
        <message>
            <source>Values are expected credits per credit bet, from a shuffled deck.</source>
            <translation>Los valores son créditos esperados por crédito apostado, con una baraja mezclada.</translation>
        </message>
        <message>
            <source>HELD</source>
            <translation>RETENIDA</translation>
        </message>
        <message>
            <source>Card %1: %2%3</source>
            <extracomment>A practice card for screen readers: %1 its slot, %2 the card, then whether it is held.</extracomment>
            <translation>Carta %1: %2%3</translation>
        </message>
        <message>
            <source>, held</source>
            <translation>, retenida</translation>
        </message>
        <message>
            <source>&amp;Next hand (Enter)</source>
            <translation>&amp;Siguiente mano (Intro)</translation>
        </message>
        <message>
            <source>&amp;Check my hold (Enter)</source>
            <translation>&amp;Comprobar mi opción (Intro)</translation>
        </message>
        <message>
            <source>Hands: %1. Best holds found: %2. Credits given up per 100 hands: %3.</source>
            <translation>Manos: %1. Mejores opciones halladas: %2. Créditos perdidos por 100 manos: %3.</translation>
        </message>
        <message>
            <source>Plain random deals: every hand is as likely as at a shuffled deck.</source>
            <translation>Repartos al azar: cada mano es tan probable como con una baraja mezclada.</translation>
        </message>
        <message>
            <source>none yet</source>
            <translation>ninguna aún</translation>
        </message>
        <message>
            <source>Deals lean towards the chart lines you have missed, %1 times as often as chance deals them (missed so far: %2), and towards close decisions, where the best hold beats the next by less than %3 credits (%4 times as often).</source>
            <translation>Los repartos se inclinan hacia las líneas de la tabla que ha fallado, %1 veces más a menudo que el azar (falladas hasta ahora: %2), y hacia las decisiones ajustadas, donde la mejor opción supera a la siguiente por menos de %3 créditos (%4 veces más a menudo).</translation>
        </message>
    </context>
</TS>