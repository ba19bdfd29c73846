<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Alert</name>
    <message>
        <source>You have not enough money!!</source>
        <translation>¡¡No tienes suficiente dinero!!</translation>
    </message>
    <message>
        <source>Please bet first!!</source>
        <translation>¡¡Primero haz tu apuesta!!</translation>
    </message>
</context>
<context>
    <name>AnimationPlayer</name>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Volver al principio</translation>
    </message>
</context>
<context>
    <name>BJHelp</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Rules of the game</source>
        <translation>Reglas del juego</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language, as in help_text_&lt;code&gt;.txt and win_&lt;code&gt;.swf: &quot;de&quot;, &quot;pt_BR&quot;.</extracomment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>BJHint</name>
    <message>
        <source>Hint</source>
        <translation>Consejo</translation>
    </message>
    <message>
        <source>What each choice is worth</source>
        <translation>Lo que vale cada opción</translation>
    </message>
</context>
<context>
    <name>BJInsurWindow</name>
    <message>
        <source>Insurance</source>
        <translation>Seguro</translation>
    </message>
    <message>
        <source>Insurance?</source>
        <translation>¿Asegurar?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>BJMain</name>
    <message>
        <source>Insurance pays</source>
        <translation>El seguro paga</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>You lose</source>
        <translation>Pierdes</translation>
    </message>
    <message>
        <source>You win</source>
        <translation>Ganas</translation>
    </message>
    <message>
        <source>Blackjack!</source>
        <translation>¡Blackjack!</translation>
    </message>
    <message>
        <source>Outcome of the round</source>
        <translation>Resultado de la mano</translation>
    </message>
    <message>
        <source>No outcome yet</source>
        <translation>Aún sin resultado</translation>
    </message>
    <message>
        <source>Face-down card</source>
        <translation>Carta boca abajo</translation>
    </message>
    <message>
        <source>&amp;File </source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Re-Start &amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;Activado</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>&amp;Otros</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Repartir</translation>
    </message>
    <message>
        <source>&amp;Hit</source>
        <translation>&amp;Pedir</translation>
    </message>
    <message>
        <source>&amp;Stand</source>
        <translation>Plan&amp;tarse</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Doblar</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <extracomment>A chip as a screen reader names it; %1 is its amount.</extracomment>
        <translation>Apostar %1</translation>
    </message>
    <message>
        <source>Dealer total</source>
        <translation>Puntos del crupier</translation>
    </message>
    <message>
        <source>Player total</source>
        <translation>Tus puntos</translation>
    </message>
    <message>
        <source>Bet</source>
        <comment>bet box title</comment>
        <extracomment>The title of the bet box, which has room for three letters: it is narrowed to fit a longer word, and a shorter form of the word (a length variant) is shown in its place where the long one would be squeezed hard.</extracomment>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>What the bet box&apos;s number is, as a screen reader says it.</extracomment>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Your Money</source>
        <translation>Tu dinero</translation>
    </message>
    <message>
        <source>Your money</source>
        <translation>Tu dinero</translation>
    </message>
    <message>
        <source>Read the table</source>
        <translation>Leer la mesa</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>&amp;Consejo</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>E&amp;ntrenador</translation>
    </message>
    <message>
        <source>Repeat the news</source>
        <translation>Repetir el último aviso</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Sonido activado.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Sonido desactivado.</translation>
    </message>
    <message>
        <source>Coach on.</source>
        <translation>Entrenador activado.</translation>
    </message>
    <message>
        <source>Coach off.</source>
        <translation>Entrenador desactivado.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <extracomment>What a screen reader says as the table is zoomed; %1 is the size in percent.</extracomment>
        <translation>Zoom %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>BJStats</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>The session&apos;s record</source>
        <translation>Balance de la sesión</translation>
    </message>
</context>
<context>
    <name>CardDeck</name>
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
        <source>Blank card</source>
        <translation>Carta en blanco</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 is its rank (&quot;Queen&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>Clips</name>
    <message>
        <source>Place your bets</source>
        <translation>Hagan sus apuestas</translation>
    </message>
    <message>
        <source>You lose</source>
        <translation>Pierdes</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>¡Ganas!</translation>
    </message>
    <message>
        <source>Blackjack!</source>
        <translation>¡Blackjack!</translation>
    </message>
</context>
<context>
    <name>CoachVerdict</name>
    <message>
        <source>Coach</source>
        <translation>Entrenador</translation>
    </message>
    <message>
        <source>Your last choice</source>
        <translation>Tu última decisión</translation>
    </message>
    <message>
        <source>Stand</source>
        <translation>Plantarse</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Pedir</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doblar</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguro</translation>
    </message>
    <message>
        <source>No insurance</source>
        <translation>Sin seguro</translation>
    </message>
    <message>
        <source>Best choice.</source>
        <translation>La mejor decisión.</translation>
    </message>
    <message>
        <source>Close call: %1 was better by less than %2.</source>
        <extracomment>The better choice first: &quot;Close call: Stand was better by less than 0.01.&quot;</extracomment>
        <translation>Por poco: %1 era mejor por menos de %2.</translation>
    </message>
    <message>
        <source>%1 was better: %2 gives away %3 on average.</source>
        <extracomment>The better choice, then the one taken: &quot;Stand was better: Hit gives away 0.07 on average.&quot;</extracomment>
        <translation>%1 era mejor: %2 pierde %3 de media.</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Decisiones</translation>
    </message>
    <message>
        <source>Best choices</source>
        <extracomment>The count of best choices, then their share of the decisions in percent: &quot;12 (75%)&quot;.</extracomment>
        <translation>Mejores decisiones</translation>
    </message>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2&#xa0;%)</translation>
    </message>
    <message>
        <source>Given away per decision</source>
        <extracomment>The average money given away by each decision, to a tenth of a cent.</extracomment>
        <translation>Perdido por decisión</translation>
    </message>
</context>
<context>
    <name>CoachWords</name>
    <message>
        <source>Stand</source>
        <translation>Plantarse</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Pedir</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doblar</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguro</translation>
    </message>
    <message>
        <source>No insurance</source>
        <translation>Sin seguro</translation>
    </message>
    <message>
        <source>break even on average</source>
        <translation>ni ganas ni pierdes de media</translation>
    </message>
    <message>
        <source>break even</source>
        <translation>ni ganas ni pierdes</translation>
    </message>
    <message>
        <source>win %1 on average</source>
        <translation>ganas %1 de media</translation>
    </message>
    <message>
        <source>win %1</source>
        <translation>ganas %1</translation>
    </message>
    <message>
        <source>lose %1 on average</source>
        <translation>pierdes %1 de media</translation>
    </message>
    <message>
        <source>lose %1</source>
        <translation>pierdes %1</translation>
    </message>
    <message>
        <source>Nothing to decide now.</source>
        <translation>Ahora no hay nada que decidir.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>One choice and its expected result: &quot;Stand: lose 1.54 on average.&quot;</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Rounds played</source>
        <translation>Manos jugadas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Pushed</source>
        <translation>Empatadas</translation>
    </message>
    <message>
        <source>Blackjacks</source>
        <translation>Manos de blackjack</translation>
    </message>
    <message>
        <source>Insurance bought</source>
        <translation>Seguros comprados</translation>
    </message>
    <message>
        <source>Insurance paid</source>
        <translation>Seguros cobrados</translation>
    </message>
    <message>
        <source>Doubles</source>
        <translation>Apuestas dobladas</translation>
    </message>
    <message>
        <source>Net result</source>
        <translation>Resultado neto</translation>
    </message>
    <message>
        <source>Your Money at its highest</source>
        <extracomment>The most money the player has held this session; &quot;Your Money&quot; is the table&apos;s caption for it.</extracomment>
        <translation>Máximo de tu dinero</translation>
    </message>
    <message>
        <source>Given away by choices</source>
        <extracomment>The money given away by choices worse than the best one.</extracomment>
        <translation>Perdido por decisiones mejorables</translation>
    </message>
    <message>
        <source>Luck</source>
        <extracomment>The result less what the choices made were expected to bring.</extracomment>
        <translation>Suerte</translation>
    </message>
    <message>
        <source>Luck in standard deviations</source>
        <extracomment>The luck as a number of standard deviations.</extracomment>
        <translation>Suerte en desviaciones típicas</translation>
    </message>
</context>
<context>
    <name>CorvaneAlert</name>
    <message>
        <source>Corvane Alert</source>
        <translation>Aviso de Corvane</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last card of a list to the others: &quot;Seven of Hearts and King of Spades&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, bust</source>
        <extracomment>A hand&apos;s total over 21.</extracomment>
        <translation>%1, se pasa de 21</translation>
    </message>
    <message>
        <source>Insurance for %1?</source>
        <extracomment>The insurance offer as a screen reader speaks it; %1 is what the insurance costs.</extracomment>
        <translation>¿Asegurar por %1?</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation type="vanished">Nueva partida.</translation>
    </message>
    <message>
        <source>You have %1, %2.</source>
        <translation>Tienes %1, %2.</translation>
    </message>
    <message>
        <source>Dealer shows %1.</source>
        <translation>El crupier muestra %1.</translation>
    </message>
    <message>
        <source>You double: bet %1, money %2.</source>
        <translation type="vanished">Doblas: apuesta %1, dinero %2.</translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <extracomment>A card the player drew and their new total.</extracomment>
        <translation>%1, %2.</translation>
    </message>
    <message>
        <source>Dealer turns up %1, %2.</source>
        <extracomment>The dealer turns the hole card up; %1 is the card (and any drawn with it), %2 the dealer&apos;s total.</extracomment>
        <translation type="vanished">El crupier descubre %1, %2.</translation>
    </message>
    <message>
        <source>Dealer draws %1, %2.</source>
        <translation type="vanished">El crupier saca %1, %2.</translation>
    </message>
    <message>
        <source>Insurance pays %1.</source>
        <translation type="vanished">El seguro paga %1.</translation>
    </message>
    <message>
        <source>Push: your bet of %1 comes back.</source>
        <translation type="vanished">Empate: recuperas tu apuesta de %1.</translation>
    </message>
    <message>
        <source>You lose %1.</source>
        <translation type="vanished">Pierdes %1.</translation>
    </message>
    <message>
        <source>You win %1.</source>
        <translation type="vanished">Ganas %1.</translation>
    </message>
    <message>
        <source>Blackjack! You win %1.</source>
        <translation type="vanished">¡Blackjack! Ganas %1.</translation>
    </message>
    <message>
        <source>Your money: %1.</source>
        <translation type="vanished">Tu dinero: %1.</translation>
    </message>
    <message>
        <source>Insurance costs %1, money %2.</source>
        <translation type="vanished">El seguro cuesta %1, dinero %2.</translation>
    </message>
    <message>
        <source>Bet %1, money %2.</source>
        <extracomment>A chip placed: the stake on the table and the money left.</extracomment>
        <translation>Apuesta %1, dinero %2.</translation>
    </message>
    <message>
        <source>Insurance for %1? Yes or No.</source>
        <translation>¿Asegurar por %1? Sí o no.</translation>
    </message>
    <message>
        <source>You may hit, stand or double.</source>
        <translation>Puedes pedir, plantarte o doblar.</translation>
    </message>
    <message>
        <source>You may hit or stand.</source>
        <translation>Puedes pedir o plantarte.</translation>
    </message>
    <message>
        <source>You may add chips or deal.</source>
        <translation>Puedes añadir fichas o repartir.</translation>
    </message>
    <message>
        <source>Place your bet with the chips, then deal.</source>
        <translation>Apuesta con las fichas y luego reparte.</translation>
    </message>
    <message>
        <source>The dealer is playing.</source>
        <translation>El crupier está jugando.</translation>
    </message>
    <message>
        <source>No cards dealt.</source>
        <translation>No hay cartas repartidas.</translation>
    </message>
    <message>
        <source>Dealer has %1, %2.</source>
        <extracomment>The dealer&apos;s cards and total, when the whole table is read out.</extracomment>
        <translation>El crupier tiene %1, %2.</translation>
    </message>
    <message>
        <source>an Ace</source>
        <extracomment>The dealer&apos;s up card after &quot;against&quot;, as in &quot;14 against a King&quot;; one entry per rank.</extracomment>
        <translation>un as</translation>
    </message>
    <message>
        <source>a Two</source>
        <translation>un dos</translation>
    </message>
    <message>
        <source>a Three</source>
        <translation>un tres</translation>
    </message>
    <message>
        <source>a Four</source>
        <translation>un cuatro</translation>
    </message>
    <message>
        <source>a Five</source>
        <translation>un cinco</translation>
    </message>
    <message>
        <source>a Six</source>
        <translation>un seis</translation>
    </message>
    <message>
        <source>a Seven</source>
        <translation>un siete</translation>
    </message>
    <message>
        <source>an Eight</source>
        <translation>un ocho</translation>
    </message>
    <message>
        <source>a Nine</source>
        <translation>un nueve</translation>
    </message>
    <message>
        <source>a Ten</source>
        <translation>un diez</translation>
    </message>
    <message>
        <source>a Jack</source>
        <translation>una jota</translation>
    </message>
    <message>
        <source>a Queen</source>
        <translation>una reina</translation>
    </message>
    <message>
        <source>a King</source>
        <translation>un rey</translation>
    </message>
    <message>
        <source>Insurance pays %1</source>
        <translation>El seguro paga %1</translation>
    </message>
    <message>
        <source>Push</source>
        <extracomment>The stake came back: neither won nor lost.</extracomment>
        <translation>Empate</translation>
    </message>
    <message>
        <source>You lose %1</source>
        <translation>Pierdes %1</translation>
    </message>
    <message>
        <source>You win %1</source>
        <translation>Ganas %1</translation>
    </message>
    <message>
        <source>Blackjack! You win %1</source>
        <translation>¡Blackjack! Ganas %1</translation>
    </message>
    <message>
        <source>%1, money %2.</source>
        <extracomment>An outcome (&quot;You win 10&quot;) and the money after it.</extracomment>
        <translation>%1, dinero %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An outcome told before the next one, without the money.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>soft %1</source>
        <extracomment>A total in which an ace counts 11, so that a card can&apos;t bust it.</extracomment>
        <translation>%1 blando</translation>
    </message>
    <message>
        <source>%1 against %2: %3.</source>
        <extracomment>After the deal: the player&apos;s total against the dealer&apos;s up card, then the player&apos;s cards.</extracomment>
        <translation>%1 contra %2: %3.</translation>
    </message>
    <message>
        <source>Dealer busts with %1.</source>
        <translation>El crupier se pasa con %1.</translation>
    </message>
    <message>
        <source>Dealer has %1.</source>
        <translation>El crupier tiene %1.</translation>
    </message>
    <message>
        <source>New game, money %1.</source>
        <translation>Partida nueva, dinero %1.</translation>
    </message>
    <message>
        <source>Doubled: %1, %2.</source>
        <extracomment>The player&apos;s double: the one card drawn for it, and the total.</extracomment>
        <translation>Doblado: %1, %2.</translation>
    </message>
    <message>
        <source>Insured for %1, money %2.</source>
        <translation>Asegurado por %1, dinero %2.</translation>
    </message>
    <message>
        <source>Insurance declined.</source>
        <translation>Seguro rechazado.</translation>
    </message>
    <message>
        <source>Hit, stand or double.</source>
        <translation>Pedir, plantarse o doblar.</translation>
    </message>
</context>
<context>
    <name>SessionChart</name>
    <message>
        <source>Session chart</source>
        <translation>Gráfico de la sesión</translation>
    </message>
    <message>
        <source>No rounds yet: the money is %1.</source>
        <translation>Aún no hay manos: el dinero es %1.</translation>
    </message>
    <message>
        <source>After round %1 the money is %2 against an expected path of %3, a luck of %4 standard deviations.</source>
        <extracomment>Round count, money, expected path, luck in standard deviations (signed).</extracomment>
        <translation>Tras la mano %1 el dinero es %2 frente a una trayectoria esperada de %3, una suerte de %4 desviaciones típicas.</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <source>Expected path</source>
        <translation>Trayectoria esperada</translation>
    </message>
    <message>
        <source>Luck: 1 and 2 standard deviations</source>
        <translation>Suerte: 1 y 2 desviaciones típicas</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Manos</translation>
    </message>
</context>
</TS>
