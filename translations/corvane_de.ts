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
        <extracomment>The code of this translation&apos;s language, as in help_text_&lt;code&gt;.txt: &quot;de&quot;, &quot;fr&quot;.</extracomment>
        <translation>de</translation>
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
        <extracomment>The title of the bet box: a short word, the box is narrow.
----------
What the bet box&apos;s number is, as a screen reader says it.</extracomment>
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
    <name>CorvaneAlert</name>
    <message>
        <source>Corvane Alert</source>
        <translation>Corvane-Hinweis</translation>
    </message>
</context>
</TS>
