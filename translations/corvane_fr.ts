<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Alert</name>
    <message>
        <source>You have not enough money!!</source>
        <translation>Vous n’avez pas assez d’argent&#xa0;!!</translation>
    </message>
    <message>
        <source>Please bet first!!</source>
        <translation>Misez d’abord, s’il vous plaît&#xa0;!!</translation>
    </message>
</context>
<context>
    <name>AnimationPlayer</name>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>En boucle</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Revenir au début</translation>
    </message>
</context>
<context>
    <name>BJHelp</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Rules of the game</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language, as in help_text_&lt;code&gt;.txt: &quot;de&quot;, &quot;fr&quot;.</extracomment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>BJInsurWindow</name>
    <message>
        <source>Insurance</source>
        <translation>Assurance</translation>
    </message>
    <message>
        <source>Insurance?</source>
        <translation>Assurance&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>BJMain</name>
    <message>
        <source>Insurance pays</source>
        <translation>L’assurance paie</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Égalité</translation>
    </message>
    <message>
        <source>You lose</source>
        <translation>Vous perdez</translation>
    </message>
    <message>
        <source>You win</source>
        <translation>Vous gagnez</translation>
    </message>
    <message>
        <source>Blackjack!</source>
        <translation>Blackjack&#xa0;!</translation>
    </message>
    <message>
        <source>Outcome of the round</source>
        <translation>Résultat de la manche</translation>
    </message>
    <message>
        <source>No outcome yet</source>
        <translation>Pas encore de résultat</translation>
    </message>
    <message>
        <source>Face-down card</source>
        <translation>Carte face cachée</translation>
    </message>
    <message>
        <source>&amp;File </source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Re-Start &amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;Activé</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>&amp;Autres</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Distribuer</translation>
    </message>
    <message>
        <source>&amp;Hit</source>
        <translation>&amp;Carte</translation>
    </message>
    <message>
        <source>&amp;Stand</source>
        <translation>&amp;Rester</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>D&amp;oubler</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <extracomment>A chip as a screen reader names it; %1 is its amount.</extracomment>
        <translation>Miser %1</translation>
    </message>
    <message>
        <source>Dealer total</source>
        <translation>Points du croupier</translation>
    </message>
    <message>
        <source>Player total</source>
        <translation>Vos points</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The title of the bet box: a short word, the box is narrow.
----------
What the bet box&apos;s number is, as a screen reader says it.</extracomment>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Your Money</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Your money</source>
        <translation>Votre solde</translation>
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
        <source>Blank card</source>
        <translation>Carte vierge</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 is its rank (&quot;Queen&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>CorvaneAlert</name>
    <message>
        <source>Corvane Alert</source>
        <translation>Alerte Corvane</translation>
    </message>
</context>
</TS>
