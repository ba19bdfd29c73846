<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Alert</name>
    <message>
        <source>You have not enough money!!</source>
        <translation>Du hast nicht genug Geld!!</translation>
    </message>
    <message>
        <source>Please bet first!!</source>
        <translation>Bitte zuerst setzen!!</translation>
    </message>
</context>
<context>
    <name>AnimationPlayer</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Zurück zum Anfang</translation>
    </message>
</context>
<context>
    <name>BJHelp</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Rules of the game</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language, as in help_text_&lt;code&gt;.txt and win_&lt;code&gt;.swf: &quot;de&quot;, &quot;pt_BR&quot;.</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>BJHint</name>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>What each choice is worth</source>
        <translation>Was jede Wahl wert ist</translation>
    </message>
</context>
<context>
    <name>BJInsurWindow</name>
    <message>
        <source>Insurance</source>
        <translation>Versicherung</translation>
    </message>
    <message>
        <source>Insurance?</source>
        <translation>Versicherung?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>BJMain</name>
    <message>
        <source>Insurance pays</source>
        <translation>Die Versicherung zahlt</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>You lose</source>
        <translation>Du verlierst</translation>
    </message>
    <message>
        <source>You win</source>
        <translation>Du gewinnst</translation>
    </message>
    <message>
        <source>Blackjack!</source>
        <translation>Blackjack!</translation>
    </message>
    <message>
        <source>Outcome of the round</source>
        <translation>Ergebnis der Runde</translation>
    </message>
    <message>
        <source>No outcome yet</source>
        <translation>Noch kein Ergebnis</translation>
    </message>
    <message>
        <source>Face-down card</source>
        <translation>Verdeckte Karte</translation>
    </message>
    <message>
        <source>&amp;File </source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Re-Start &amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;An</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Austeilen</translation>
    </message>
    <message>
        <source>&amp;Hit</source>
        <translation>&amp;Karte</translation>
    </message>
    <message>
        <source>&amp;Stand</source>
        <translation>&amp;Stehen</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Verdoppeln</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <extracomment>A chip as a screen reader names it; %1 is its amount.</extracomment>
        <translation>%1 setzen</translation>
    </message>
    <message>
        <source>Dealer total</source>
        <translation>Punkte des Croupiers</translation>
    </message>
    <message>
        <source>Player total</source>
        <translation>Deine Punkte</translation>
    </message>
    <message>
        <source>Bet</source>
        <comment>bet box title</comment>
        <extracomment>The title of the bet box, which has room for three letters: it is narrowed to fit a longer word, and a shorter form of the word (a length variant) is shown in its place where the long one would be squeezed hard.</extracomment>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>What the bet box&apos;s number is, as a screen reader says it.</extracomment>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Your Money</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Your money</source>
        <translation>Dein Guthaben</translation>
    </message>
    <message>
        <source>Read the table</source>
        <translation>Tisch vorlesen</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>T&amp;rainer</translation>
    </message>
    <message>
        <source>Repeat the news</source>
        <translation>Letzte Ansage wiederholen</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Ton an.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Ton aus.</translation>
    </message>
    <message>
        <source>Coach on.</source>
        <translation>Trainer an.</translation>
    </message>
    <message>
        <source>Coach off.</source>
        <translation>Trainer aus.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;nsicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
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
        <translation>Statistik</translation>
    </message>
    <message>
        <source>The session&apos;s record</source>
        <translation>Bilanz der Sitzung</translation>
    </message>
</context>
<context>
    <name>CardDeck</name>
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
        <source>Blank card</source>
        <translation>Leere Karte</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 is its rank (&quot;Queen&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%2-%1</translation>
    </message>
</context>
<context>
    <name>Clips</name>
    <message>
        <source>Place your bets</source>
        <translation>Bitte setzen</translation>
    </message>
    <message>
        <source>You lose</source>
        <translation>Du verlierst</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Du gewinnst!</translation>
    </message>
    <message>
        <source>Blackjack!</source>
        <translation>Blackjack!</translation>
    </message>
</context>
<context>
    <name>CoachVerdict</name>
    <message>
        <source>Stand</source>
        <translation>Stehen</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Verdoppeln</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherung</translation>
    </message>
    <message>
        <source>No insurance</source>
        <translation>Keine Versicherung</translation>
    </message>
    <message>
        <source>Best choice.</source>
        <translation>Beste Wahl.</translation>
    </message>
    <message>
        <source>Close call: %1 was better by less than %2.</source>
        <extracomment>The better choice first: &quot;Close call: Stand was better by less than 0.01.&quot;</extracomment>
        <translation>Knapp: %1 war um weniger als %2 besser.</translation>
    </message>
    <message>
        <source>%1 was better: %2 gives away %3 on average.</source>
        <extracomment>The better choice, then the one taken: &quot;Stand was better: Hit gives away 0.07 on average.&quot;</extracomment>
        <translation>%1 war besser: %2 verschenkt im Schnitt %3.</translation>
    </message>
    <message>
        <source>Decisions: %1</source>
        <translation type="vanished">Entscheidungen: %1</translation>
    </message>
    <message>
        <source>Best choices: %1 (%2%)</source>
        <extracomment>The count of best choices, then their share of the decisions in percent.</extracomment>
        <translation type="vanished">Beste Entscheidungen: %1 (%2 %)</translation>
    </message>
    <message>
        <source>Given away per decision: %1</source>
        <extracomment>The average money given away by each decision, to a tenth of a cent.</extracomment>
        <translation type="vanished">Verschenkt je Entscheidung: %1</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <source>Your last choice</source>
        <translation>Deine letzte Entscheidung</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Entscheidungen</translation>
    </message>
    <message>
        <source>Best choices</source>
        <extracomment>The count of best choices, then their share of the decisions in percent: &quot;12 (75%)&quot;.</extracomment>
        <translation>Beste Entscheidungen</translation>
    </message>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2&#xa0;%)</translation>
    </message>
    <message>
        <source>Given away per decision</source>
        <extracomment>The average money given away by each decision, to a tenth of a cent.</extracomment>
        <translation>Verschenkt je Entscheidung</translation>
    </message>
</context>
<context>
    <name>CoachWords</name>
    <message>
        <source>Stand</source>
        <translation>Stehen</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Verdoppeln</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherung</translation>
    </message>
    <message>
        <source>No insurance</source>
        <translation>Keine Versicherung</translation>
    </message>
    <message>
        <source>break even on average</source>
        <translation>im Mittel ausgeglichen</translation>
    </message>
    <message>
        <source>break even</source>
        <translation>ausgeglichen</translation>
    </message>
    <message>
        <source>win %1 on average</source>
        <translation>im Mittel %1 Gewinn</translation>
    </message>
    <message>
        <source>win %1</source>
        <translation>%1 Gewinn</translation>
    </message>
    <message>
        <source>lose %1 on average</source>
        <translation>im Mittel %1 Verlust</translation>
    </message>
    <message>
        <source>lose %1</source>
        <translation>%1 Verlust</translation>
    </message>
    <message>
        <source>Nothing to decide now.</source>
        <translation>Gerade gibt es nichts zu entscheiden.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>One choice and its expected result: &quot;Stand: lose 1.54 on average.&quot;</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Rounds played</source>
        <translation>Gespielte Runden</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Pushed</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Blackjacks</source>
        <translation>Blackjack-Hände</translation>
    </message>
    <message>
        <source>Insurance bought</source>
        <translation>Versicherungen gekauft</translation>
    </message>
    <message>
        <source>Insurance paid</source>
        <translation>Versicherungen ausgezahlt</translation>
    </message>
    <message>
        <source>Doubles</source>
        <translation>Verdoppelt</translation>
    </message>
    <message>
        <source>Net result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Your Money at its highest</source>
        <extracomment>The most money the player has held this session; &quot;Your Money&quot; is the table&apos;s caption for it.</extracomment>
        <translation>Höchstes Guthaben</translation>
    </message>
    <message>
        <source>Given away by choices</source>
        <extracomment>The money given away by choices worse than the best one.</extracomment>
        <translation>Durch Entscheidungen verschenkt</translation>
    </message>
    <message>
        <source>Luck</source>
        <extracomment>The result less what the choices made were expected to bring.</extracomment>
        <translation>Glück</translation>
    </message>
    <message>
        <source>Luck in standard deviations</source>
        <extracomment>The luck as a number of standard deviations.</extracomment>
        <translation>Glück in Standardabweichungen</translation>
    </message>
</context>
<context>
    <name>CorvaneAlert</name>
    <message>
        <source>Corvane Alert</source>
        <translation>Corvane-Hinweis</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last card of a list to the others: &quot;Seven of Hearts and King of Spades&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, bust</source>
        <extracomment>A hand&apos;s total over 21.</extracomment>
        <translation>%1, überkauft</translation>
    </message>
    <message>
        <source>Insurance for %1?</source>
        <extracomment>The insurance offer as a screen reader speaks it; %1 is what the insurance costs.</extracomment>
        <translation>Versicherung für %1?</translation>
    </message>
    <message>
        <source>You have %1, %2.</source>
        <translation>Du hast %1, %2.</translation>
    </message>
    <message>
        <source>Dealer shows %1.</source>
        <translation>Der Croupier zeigt %1.</translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <extracomment>A card the player drew and their new total.</extracomment>
        <translation>%1, %2.</translation>
    </message>
    <message>
        <source>Bet %1, money %2.</source>
        <extracomment>A chip placed: the stake on the table and the money left.</extracomment>
        <translation>Einsatz %1, Guthaben %2.</translation>
    </message>
    <message>
        <source>Insurance for %1? Yes or No.</source>
        <translation>Versicherung für %1? Ja oder Nein.</translation>
    </message>
    <message>
        <source>You may hit, stand or double.</source>
        <translation>Du kannst eine Karte nehmen, stehen bleiben oder verdoppeln.</translation>
    </message>
    <message>
        <source>You may hit or stand.</source>
        <translation>Du kannst eine Karte nehmen oder stehen bleiben.</translation>
    </message>
    <message>
        <source>You may add chips or deal.</source>
        <translation>Du kannst weitere Chips setzen oder austeilen.</translation>
    </message>
    <message>
        <source>Place your bet with the chips, then deal.</source>
        <translation>Setze mit den Chips und teile dann aus.</translation>
    </message>
    <message>
        <source>The dealer is playing.</source>
        <translation>Der Croupier spielt.</translation>
    </message>
    <message>
        <source>No cards dealt.</source>
        <translation>Keine Karten ausgeteilt.</translation>
    </message>
    <message>
        <source>Dealer has %1, %2.</source>
        <extracomment>The dealer&apos;s cards and total, when the whole table is read out.</extracomment>
        <translation>Der Croupier hat %1, %2.</translation>
    </message>
    <message>
        <source>an Ace</source>
        <extracomment>The dealer&apos;s up card after &quot;against&quot;, as in &quot;14 against a King&quot;; one entry per rank.</extracomment>
        <translation>ein Ass</translation>
    </message>
    <message>
        <source>a Two</source>
        <translation>eine Zwei</translation>
    </message>
    <message>
        <source>a Three</source>
        <translation>eine Drei</translation>
    </message>
    <message>
        <source>a Four</source>
        <translation>eine Vier</translation>
    </message>
    <message>
        <source>a Five</source>
        <translation>eine Fünf</translation>
    </message>
    <message>
        <source>a Six</source>
        <translation>eine Sechs</translation>
    </message>
    <message>
        <source>a Seven</source>
        <translation>eine Sieben</translation>
    </message>
    <message>
        <source>an Eight</source>
        <translation>eine Acht</translation>
    </message>
    <message>
        <source>a Nine</source>
        <translation>eine Neun</translation>
    </message>
    <message>
        <source>a Ten</source>
        <translation>eine Zehn</translation>
    </message>
    <message>
        <source>a Jack</source>
        <translation>einen Buben</translation>
    </message>
    <message>
        <source>a Queen</source>
        <translation>eine Dame</translation>
    </message>
    <message>
        <source>a King</source>
        <translation>einen König</translation>
    </message>
    <message>
        <source>Insurance pays %1</source>
        <translation>Die Versicherung zahlt %1</translation>
    </message>
    <message>
        <source>Push</source>
        <extracomment>The stake came back: neither won nor lost.</extracomment>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>You lose %1</source>
        <translation>Du verlierst %1</translation>
    </message>
    <message>
        <source>You win %1</source>
        <translation>Du gewinnst %1</translation>
    </message>
    <message>
        <source>Blackjack! You win %1</source>
        <translation>Blackjack! Du gewinnst %1</translation>
    </message>
    <message>
        <source>%1, money %2.</source>
        <extracomment>An outcome (&quot;You win 10&quot;) and the money after it.</extracomment>
        <translation>%1, Guthaben %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An outcome told before the next one, without the money.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>soft %1</source>
        <extracomment>A total in which an ace counts 11, so that a card can&apos;t bust it.</extracomment>
        <translation>weiche %1</translation>
    </message>
    <message>
        <source>%1 against %2: %3.</source>
        <extracomment>After the deal: the player&apos;s total against the dealer&apos;s up card, then the player&apos;s cards.</extracomment>
        <translation>%1 gegen %2: %3.</translation>
    </message>
    <message>
        <source>New game, money %1.</source>
        <translation>Neues Spiel, Guthaben %1.</translation>
    </message>
    <message>
        <source>Doubled: %1, %2.</source>
        <extracomment>The player&apos;s double: the one card drawn for it, and the total.</extracomment>
        <translation>Verdoppelt: %1, %2.</translation>
    </message>
    <message>
        <source>Insured for %1, money %2.</source>
        <translation>Versichert für %1, Guthaben %2.</translation>
    </message>
    <message>
        <source>Insurance declined.</source>
        <translation>Versicherung abgelehnt.</translation>
    </message>
    <message>
        <source>Hit, stand or double.</source>
        <translation>Karte, Stehen oder Verdoppeln.</translation>
    </message>
    <message>
        <source>Dealer busts with %1.</source>
        <translation>Der Croupier überkauft sich mit %1.</translation>
    </message>
    <message>
        <source>Dealer has %1.</source>
        <translation>Der Croupier hat %1.</translation>
    </message>
</context>
<context>
    <name>SessionChart</name>
    <message>
        <source>Session chart</source>
        <translation>Verlauf der Sitzung</translation>
    </message>
    <message>
        <source>No rounds yet: the money is %1.</source>
        <translation>Noch keine Runde: Das Geld beträgt %1.</translation>
    </message>
    <message>
        <source>After round %1 the money is %2 against an expected path of %3, a luck of %4 standard deviations.</source>
        <extracomment>Round count, money, expected path, luck in standard deviations (signed).</extracomment>
        <translation>Nach Runde %1 beträgt das Geld %2 bei einem erwarteten Verlauf von %3, ein Glück von %4 Standardabweichungen.</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Expected path</source>
        <translation>Erwarteter Verlauf</translation>
    </message>
    <message>
        <source>Luck: 1 and 2 standard deviations</source>
        <translation>Glück: 1 und 2 Standardabweichungen</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Runden</translation>
    </message>
</context>
</TS>
