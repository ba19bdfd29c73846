<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Alert</name>
    <message>
        <source>You have not enough money!!</source>
        <translation>Non hai abbastanza soldi!!</translation>
    </message>
    <message>
        <source>Please bet first!!</source>
        <translation>Prima fai la tua puntata!!</translation>
    </message>
</context>
<context>
    <name>AnimationPlayer</name>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Torna all’inizio</translation>
    </message>
</context>
<context>
    <name>BJHelp</name>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Rules of the game</source>
        <translation>Regole del gioco</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language, as in help_text_&lt;code&gt;.txt and win_&lt;code&gt;.swf: &quot;de&quot;, &quot;pt_BR&quot;.</extracomment>
        <translation>it</translation>
    </message>
</context>
<context>
    <name>BJHint</name>
    <message>
        <source>Hint</source>
        <translation>Consiglio</translation>
    </message>
    <message>
        <source>What each choice is worth</source>
        <translation>Quanto vale ogni scelta</translation>
    </message>
</context>
<context>
    <name>BJInsurWindow</name>
    <message>
        <source>Insurance</source>
        <translation>Assicurazione</translation>
    </message>
    <message>
        <source>Insurance?</source>
        <translation>Assicurazione?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
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
        <translation>L’assicurazione paga</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Pareggio</translation>
    </message>
    <message>
        <source>You lose</source>
        <translation>Hai perso</translation>
    </message>
    <message>
        <source>You win</source>
        <translation>Hai vinto</translation>
    </message>
    <message>
        <source>Blackjack!</source>
        <translation>Blackjack!</translation>
    </message>
    <message>
        <source>Outcome of the round</source>
        <translation>Esito della mano</translation>
    </message>
    <message>
        <source>No outcome yet</source>
        <translation>Ancora nessun esito</translation>
    </message>
    <message>
        <source>Face-down card</source>
        <translation>Carta coperta</translation>
    </message>
    <message>
        <source>&amp;File </source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>Re-Start &amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Audio</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;Attivo</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>Al&amp;tro</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Distribuisci</translation>
    </message>
    <message>
        <source>&amp;Hit</source>
        <translation>&amp;Carta</translation>
    </message>
    <message>
        <source>&amp;Stand</source>
        <translation>&amp;Stai</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Raddoppia</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <extracomment>A chip as a screen reader names it; %1 is its amount.</extracomment>
        <translation>Punta %1</translation>
    </message>
    <message>
        <source>Dealer total</source>
        <translation>Punti del banco</translation>
    </message>
    <message>
        <source>Player total</source>
        <translation>I tuoi punti</translation>
    </message>
    <message>
        <source>Bet</source>
        <comment>bet box title</comment>
        <extracomment>The title of the bet box, which has room for three letters: it is narrowed to fit a longer word, and a shorter form of the word (a length variant) is shown in its place where the long one would be squeezed hard.</extracomment>
        <translation variants="yes">
            <lengthvariant>Puntata</lengthvariant>
            <lengthvariant>Posta</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>What the bet box&apos;s number is, as a screen reader says it.</extracomment>
        <translation>Puntata</translation>
    </message>
    <message>
        <source>Your Money</source>
        <translation>I tuoi soldi</translation>
    </message>
    <message>
        <source>Your money</source>
        <translation>I tuoi soldi</translation>
    </message>
    <message>
        <source>Read the table</source>
        <translation>Leggi il tavolo</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiche</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>&amp;Consiglio</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Allenatore</translation>
    </message>
    <message>
        <source>Repeat the news</source>
        <translation>Ripeti l’ultimo annuncio</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Audio attivo.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Audio disattivato.</translation>
    </message>
    <message>
        <source>Coach on.</source>
        <translation>Allenatore attivo.</translation>
    </message>
    <message>
        <source>Coach off.</source>
        <translation>Allenatore disattivato.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Rimpicciolisci</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Dimensione reale</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <extracomment>What a screen reader says as the table is zoomed; %1 is the size in percent.</extracomment>
        <translation>Zoom %1%</translation>
    </message>
</context>
<context>
    <name>BJStats</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>The session&apos;s record</source>
        <translation>Bilancio della sessione</translation>
    </message>
</context>
<context>
    <name>CardDeck</name>
    <message>
        <source>Ace</source>
        <translation>Asso</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sette</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Otto</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dieci</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Fante</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Donna</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>picche</translation>
    </message>
    <message>
        <source>Blank card</source>
        <translation>Carta bianca</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 is its rank (&quot;Queen&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%1 di %2</translation>
    </message>
</context>
<context>
    <name>Clips</name>
    <message>
        <source>Place your bets</source>
        <translation>Fate il vostro gioco</translation>
    </message>
    <message>
        <source>You lose</source>
        <translation>Hai perso</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Pareggio</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Hai vinto!</translation>
    </message>
    <message>
        <source>Blackjack!</source>
        <translation>Blackjack!</translation>
    </message>
</context>
<context>
    <name>CoachVerdict</name>
    <message>
        <source>Coach</source>
        <translation>Allenatore</translation>
    </message>
    <message>
        <source>Your last choice</source>
        <translation>La tua ultima scelta</translation>
    </message>
    <message>
        <source>Stand</source>
        <translation>Stai</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Raddoppia</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assicurazione</translation>
    </message>
    <message>
        <source>No insurance</source>
        <translation>Niente assicurazione</translation>
    </message>
    <message>
        <source>Best choice.</source>
        <translation>Scelta migliore.</translation>
    </message>
    <message>
        <source>Close call: %1 was better by less than %2.</source>
        <extracomment>The better choice first: &quot;Close call: Stand was better by less than 0.01.&quot;</extracomment>
        <translation>Per poco: %1 era meglio di meno di %2.</translation>
    </message>
    <message>
        <source>%1 was better: %2 gives away %3 on average.</source>
        <extracomment>The better choice, then the one taken: &quot;Stand was better: Hit gives away 0.07 on average.&quot;</extracomment>
        <translation>%1 era meglio: %2 perde in media %3.</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Decisioni</translation>
    </message>
    <message>
        <source>Best choices</source>
        <extracomment>The count of best choices, then their share of the decisions in percent: &quot;12 (75%)&quot;.</extracomment>
        <translation>Scelte migliori</translation>
    </message>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2%)</translation>
    </message>
    <message>
        <source>Given away per decision</source>
        <extracomment>The average money given away by each decision, to a tenth of a cent.</extracomment>
        <translation>Perso per decisione</translation>
    </message>
</context>
<context>
    <name>CoachWords</name>
    <message>
        <source>Stand</source>
        <translation>Stai</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Raddoppia</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assicurazione</translation>
    </message>
    <message>
        <source>No insurance</source>
        <translation>Niente assicurazione</translation>
    </message>
    <message>
        <source>break even on average</source>
        <translation>in media né vinci né perdi</translation>
    </message>
    <message>
        <source>break even</source>
        <translation>né vinci né perdi</translation>
    </message>
    <message>
        <source>win %1 on average</source>
        <translation>in media vinci %1</translation>
    </message>
    <message>
        <source>win %1</source>
        <translation>vinci %1</translation>
    </message>
    <message>
        <source>lose %1 on average</source>
        <translation>in media perdi %1</translation>
    </message>
    <message>
        <source>lose %1</source>
        <translation>perdi %1</translation>
    </message>
    <message>
        <source>Nothing to decide now.</source>
        <translation>Per ora non c’è niente da decidere.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>One choice and its expected result: &quot;Stand: lose 1.54 on average.&quot;</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Rounds played</source>
        <translation>Mani giocate</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perse</translation>
    </message>
    <message>
        <source>Pushed</source>
        <translation>Pari</translation>
    </message>
    <message>
        <source>Blackjacks</source>
        <translation>Blackjack fatti</translation>
    </message>
    <message>
        <source>Insurance bought</source>
        <translation>Assicurazioni prese</translation>
    </message>
    <message>
        <source>Insurance paid</source>
        <translation>Assicurazioni pagate</translation>
    </message>
    <message>
        <source>Doubles</source>
        <translation>Raddoppi</translation>
    </message>
    <message>
        <source>Net result</source>
        <translation>Risultato netto</translation>
    </message>
    <message>
        <source>Your Money at its highest</source>
        <extracomment>The most money the player has held this session; &quot;Your Money&quot; is the table&apos;s caption for it.</extracomment>
        <translation>Massimo dei tuoi soldi</translation>
    </message>
    <message>
        <source>Given away by choices</source>
        <extracomment>The money given away by choices worse than the best one.</extracomment>
        <translation>Perso con scelte non ottimali</translation>
    </message>
    <message>
        <source>Luck</source>
        <extracomment>The result less what the choices made were expected to bring.</extracomment>
        <translation>Fortuna</translation>
    </message>
    <message>
        <source>Luck in standard deviations</source>
        <extracomment>The luck as a number of standard deviations.</extracomment>
        <translation>Fortuna in deviazioni standard</translation>
    </message>
</context>
<context>
    <name>CorvaneAlert</name>
    <message>
        <source>Corvane Alert</source>
        <translation>Avviso di Corvane</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last card of a list to the others: &quot;Seven of Hearts and King of Spades&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1, bust</source>
        <extracomment>A hand&apos;s total over 21.</extracomment>
        <translation>%1, sballato</translation>
    </message>
    <message>
        <source>Insurance for %1?</source>
        <extracomment>The insurance offer as a screen reader speaks it; %1 is what the insurance costs.</extracomment>
        <translation>Assicurazione per %1?</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation type="vanished">Nuova partita.</translation>
    </message>
    <message>
        <source>You have %1, %2.</source>
        <translation>Hai %1, %2.</translation>
    </message>
    <message>
        <source>Dealer shows %1.</source>
        <translation>Il banco mostra %1.</translation>
    </message>
    <message>
        <source>You double: bet %1, money %2.</source>
        <translation type="vanished">Raddoppi: puntata %1, soldi %2.</translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <extracomment>A card the player drew and their new total.</extracomment>
        <translation>%1, %2.</translation>
    </message>
    <message>
        <source>Dealer turns up %1, %2.</source>
        <extracomment>The dealer turns the hole card up; %1 is the card (and any drawn with it), %2 the dealer&apos;s total.</extracomment>
        <translation type="vanished">Il banco scopre %1, %2.</translation>
    </message>
    <message>
        <source>Dealer draws %1, %2.</source>
        <translation type="vanished">Il banco pesca %1, %2.</translation>
    </message>
    <message>
        <source>Insurance pays %1.</source>
        <translation type="vanished">L’assicurazione paga %1.</translation>
    </message>
    <message>
        <source>Push: your bet of %1 comes back.</source>
        <translation type="vanished">Pareggio: ti torna la puntata di %1.</translation>
    </message>
    <message>
        <source>You lose %1.</source>
        <translation type="vanished">Perdi %1.</translation>
    </message>
    <message>
        <source>You win %1.</source>
        <translation type="vanished">Vinci %1.</translation>
    </message>
    <message>
        <source>Blackjack! You win %1.</source>
        <translation type="vanished">Blackjack! Vinci %1.</translation>
    </message>
    <message>
        <source>Your money: %1.</source>
        <translation type="vanished">I tuoi soldi: %1.</translation>
    </message>
    <message>
        <source>Insurance costs %1, money %2.</source>
        <translation type="vanished">L’assicurazione costa %1, soldi %2.</translation>
    </message>
    <message>
        <source>Bet %1, money %2.</source>
        <extracomment>A chip placed: the stake on the table and the money left.</extracomment>
        <translation>Puntata %1, soldi %2.</translation>
    </message>
    <message>
        <source>Insurance for %1? Yes or No.</source>
        <translation>Assicurazione per %1? Sì o no.</translation>
    </message>
    <message>
        <source>You may hit, stand or double.</source>
        <translation>Puoi chiedere carta, stare o raddoppiare.</translation>
    </message>
    <message>
        <source>You may hit or stand.</source>
        <translation>Puoi chiedere carta o stare.</translation>
    </message>
    <message>
        <source>You may add chips or deal.</source>
        <translation>Puoi aggiungere fiches o distribuire.</translation>
    </message>
    <message>
        <source>Place your bet with the chips, then deal.</source>
        <translation>Punta con le fiches, poi distribuisci.</translation>
    </message>
    <message>
        <source>The dealer is playing.</source>
        <translation>Il banco sta giocando.</translation>
    </message>
    <message>
        <source>No cards dealt.</source>
        <translation>Nessuna carta distribuita.</translation>
    </message>
    <message>
        <source>Dealer has %1, %2.</source>
        <extracomment>The dealer&apos;s cards and total, when the whole table is read out.</extracomment>
        <translation>Il banco ha %1, %2.</translation>
    </message>
    <message>
        <source>an Ace</source>
        <extracomment>The dealer&apos;s up card after &quot;against&quot;, as in &quot;14 against a King&quot;; one entry per rank.</extracomment>
        <translation>un asso</translation>
    </message>
    <message>
        <source>a Two</source>
        <translation>un due</translation>
    </message>
    <message>
        <source>a Three</source>
        <translation>un tre</translation>
    </message>
    <message>
        <source>a Four</source>
        <translation>un quattro</translation>
    </message>
    <message>
        <source>a Five</source>
        <translation>un cinque</translation>
    </message>
    <message>
        <source>a Six</source>
        <translation>un sei</translation>
    </message>
    <message>
        <source>a Seven</source>
        <translation>un sette</translation>
    </message>
    <message>
        <source>an Eight</source>
        <translation>un otto</translation>
    </message>
    <message>
        <source>a Nine</source>
        <translation>un nove</translation>
    </message>
    <message>
        <source>a Ten</source>
        <translation>un dieci</translation>
    </message>
    <message>
        <source>a Jack</source>
        <translation>un fante</translation>
    </message>
    <message>
        <source>a Queen</source>
        <translation>una donna</translation>
    </message>
    <message>
        <source>a King</source>
        <translation>un re</translation>
    </message>
    <message>
        <source>Insurance pays %1</source>
        <translation>L’assicurazione paga %1</translation>
    </message>
    <message>
        <source>Push</source>
        <extracomment>The stake came back: neither won nor lost.</extracomment>
        <translation>Pareggio</translation>
    </message>
    <message>
        <source>You lose %1</source>
        <translation>Perdi %1</translation>
    </message>
    <message>
        <source>You win %1</source>
        <translation>Vinci %1</translation>
    </message>
    <message>
        <source>Blackjack! You win %1</source>
        <translation>Blackjack! Vinci %1</translation>
    </message>
    <message>
        <source>%1, money %2.</source>
        <extracomment>An outcome (&quot;You win 10&quot;) and the money after it.</extracomment>
        <translation>%1, soldi %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An outcome told before the next one, without the money.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>soft %1</source>
        <extracomment>A total in which an ace counts 11, so that a card can&apos;t bust it.</extracomment>
        <translation>%1 morbido</translation>
    </message>
    <message>
        <source>%1 against %2: %3.</source>
        <extracomment>After the deal: the player&apos;s total against the dealer&apos;s up card, then the player&apos;s cards.</extracomment>
        <translation>%1 contro %2: %3.</translation>
    </message>
    <message>
        <source>Dealer busts with %1.</source>
        <translation>Il banco sballa con %1.</translation>
    </message>
    <message>
        <source>Dealer has %1.</source>
        <translation>Il banco ha %1.</translation>
    </message>
    <message>
        <source>New game, money %1.</source>
        <translation>Nuova partita, soldi %1.</translation>
    </message>
    <message>
        <source>Doubled: %1, %2.</source>
        <extracomment>The player&apos;s double: the one card drawn for it, and the total.</extracomment>
        <translation>Raddoppio: %1, %2.</translation>
    </message>
    <message>
        <source>Insured for %1, money %2.</source>
        <translation>Assicurato per %1, soldi %2.</translation>
    </message>
    <message>
        <source>Insurance declined.</source>
        <translation>Assicurazione rifiutata.</translation>
    </message>
    <message>
        <source>Hit, stand or double.</source>
        <translation>Carta, stai o raddoppia.</translation>
    </message>
</context>
<context>
    <name>SessionChart</name>
    <message>
        <source>Session chart</source>
        <translation>Grafico della sessione</translation>
    </message>
    <message>
        <source>No rounds yet: the money is %1.</source>
        <translation>Nessuna mano ancora: i soldi sono %1.</translation>
    </message>
    <message>
        <source>After round %1 the money is %2 against an expected path of %3, a luck of %4 standard deviations.</source>
        <extracomment>Round count, money, expected path, luck in standard deviations (signed).</extracomment>
        <translation>Dopo la mano %1 i soldi sono %2 contro un andamento atteso di %3, una fortuna di %4 deviazioni standard.</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Soldi</translation>
    </message>
    <message>
        <source>Expected path</source>
        <translation>Andamento atteso</translation>
    </message>
    <message>
        <source>Luck: 1 and 2 standard deviations</source>
        <translation>Fortuna: 1 e 2 deviazioni standard</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Mani</translation>
    </message>
</context>
</TS>
