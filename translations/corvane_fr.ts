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
        <extracomment>The code of this translation&apos;s language, as in help_text_&lt;code&gt;.txt and win_&lt;code&gt;.swf: &quot;de&quot;, &quot;pt_BR&quot;.</extracomment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>BJHint</name>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>What each choice is worth</source>
        <translation>Ce que vaut chaque choix</translation>
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
        <comment>bet box title</comment>
        <extracomment>The title of the bet box, which has room for three letters: it is narrowed to fit a longer word, and a shorter form of the word (a length variant) is shown in its place where the long one would be squeezed hard.</extracomment>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>What the bet box&apos;s number is, as a screen reader says it.</extracomment>
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
    <message>
        <source>Read the table</source>
        <translation>Lire la table</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>&amp;Conseil</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Entraîneur</translation>
    </message>
    <message>
        <source>Repeat the news</source>
        <translation>Répéter la dernière annonce</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Son activé.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Son désactivé.</translation>
    </message>
    <message>
        <source>Coach on.</source>
        <translation>Entraîneur activé.</translation>
    </message>
    <message>
        <source>Coach off.</source>
        <translation>Entraîneur désactivé.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Aff&amp;ichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
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
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>The session&apos;s record</source>
        <translation>Bilan de la séance</translation>
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
    <name>Clips</name>
    <message>
        <source>Place your bets</source>
        <translation>Faites vos jeux</translation>
    </message>
    <message>
        <source>You lose</source>
        <translation>Vous perdez</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Égalité</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Vous gagnez&#xa0;!</translation>
    </message>
    <message>
        <source>Blackjack!</source>
        <translation>Blackjack&#xa0;!</translation>
    </message>
</context>
<context>
    <name>CoachVerdict</name>
    <message>
        <source>Stand</source>
        <translation>Rester</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doubler</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurance</translation>
    </message>
    <message>
        <source>No insurance</source>
        <translation>Pas d&apos;assurance</translation>
    </message>
    <message>
        <source>Best choice.</source>
        <translation>Meilleur choix.</translation>
    </message>
    <message>
        <source>Close call: %1 was better by less than %2.</source>
        <extracomment>The better choice first: &quot;Close call: Stand was better by less than 0.01.&quot;</extracomment>
        <translation>Choix serré&#xa0;: «&#xa0;%1&#xa0;» valait mieux, de moins de %2.</translation>
    </message>
    <message>
        <source>%1 was better: %2 gives away %3 on average.</source>
        <extracomment>The better choice, then the one taken: &quot;Stand was better: Hit gives away 0.07 on average.&quot;</extracomment>
        <translation>«&#xa0;%1&#xa0;» valait mieux&#xa0;: «&#xa0;%2&#xa0;» fait perdre %3 en moyenne.</translation>
    </message>
    <message>
        <source>Decisions: %1</source>
        <translation type="vanished">Décisions&#xa0;: %1</translation>
    </message>
    <message>
        <source>Best choices: %1 (%2%)</source>
        <extracomment>The count of best choices, then their share of the decisions in percent.</extracomment>
        <translation type="vanished">Meilleurs choix&#xa0;: %1 (%2&#xa0;%)</translation>
    </message>
    <message>
        <source>Given away per decision: %1</source>
        <extracomment>The average money given away by each decision, to a tenth of a cent.</extracomment>
        <translation type="vanished">Perdu par décision&#xa0;: %1</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Entraîneur</translation>
    </message>
    <message>
        <source>Your last choice</source>
        <translation>Votre dernier choix</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Décisions</translation>
    </message>
    <message>
        <source>Best choices</source>
        <extracomment>The count of best choices, then their share of the decisions in percent: &quot;12 (75%)&quot;.</extracomment>
        <translation>Meilleurs choix</translation>
    </message>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2&#xa0;%)</translation>
    </message>
    <message>
        <source>Given away per decision</source>
        <extracomment>The average money given away by each decision, to a tenth of a cent.</extracomment>
        <translation>Perdu par décision</translation>
    </message>
</context>
<context>
    <name>CoachWords</name>
    <message>
        <source>Stand</source>
        <translation>Rester</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doubler</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurance</translation>
    </message>
    <message>
        <source>No insurance</source>
        <translation>Pas d&apos;assurance</translation>
    </message>
    <message>
        <source>break even on average</source>
        <translation>équilibre en moyenne</translation>
    </message>
    <message>
        <source>break even</source>
        <translation>équilibre</translation>
    </message>
    <message>
        <source>win %1 on average</source>
        <translation>gain moyen de %1</translation>
    </message>
    <message>
        <source>win %1</source>
        <translation>gain de %1</translation>
    </message>
    <message>
        <source>lose %1 on average</source>
        <translation>perte moyenne de %1</translation>
    </message>
    <message>
        <source>lose %1</source>
        <translation>perte de %1</translation>
    </message>
    <message>
        <source>Nothing to decide now.</source>
        <translation>Rien à décider pour l&apos;instant.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>One choice and its expected result: &quot;Stand: lose 1.54 on average.&quot;</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Rounds played</source>
        <translation>Manches jouées</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Pushed</source>
        <translation>Égalités</translation>
    </message>
    <message>
        <source>Blackjacks</source>
        <translation>Blackjacks obtenus</translation>
    </message>
    <message>
        <source>Insurance bought</source>
        <translation>Assurances prises</translation>
    </message>
    <message>
        <source>Insurance paid</source>
        <translation>Assurances payées</translation>
    </message>
    <message>
        <source>Doubles</source>
        <translation>Doublements</translation>
    </message>
    <message>
        <source>Net result</source>
        <translation>Résultat net</translation>
    </message>
    <message>
        <source>Your Money at its highest</source>
        <extracomment>The most money the player has held this session; &quot;Your Money&quot; is the table&apos;s caption for it.</extracomment>
        <translation>Solde le plus haut</translation>
    </message>
    <message>
        <source>Given away by choices</source>
        <extracomment>The money given away by choices worse than the best one.</extracomment>
        <translation>Perdu par les choix</translation>
    </message>
    <message>
        <source>Luck</source>
        <extracomment>The result less what the choices made were expected to bring.</extracomment>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Luck in standard deviations</source>
        <extracomment>The luck as a number of standard deviations.</extracomment>
        <translation>Chance en écarts-types</translation>
    </message>
</context>
<context>
    <name>CorvaneAlert</name>
    <message>
        <source>Corvane Alert</source>
        <translation>Alerte Corvane</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last card of a list to the others: &quot;Seven of Hearts and King of Spades&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, bust</source>
        <extracomment>A hand&apos;s total over 21.</extracomment>
        <translation>%1, dépassé</translation>
    </message>
    <message>
        <source>Insurance for %1?</source>
        <extracomment>The insurance offer as a screen reader speaks it; %1 is what the insurance costs.</extracomment>
        <translation>Assurance pour %1&#xa0;?</translation>
    </message>
    <message>
        <source>You have %1, %2.</source>
        <translation>Vous avez %1, %2.</translation>
    </message>
    <message>
        <source>Dealer shows %1.</source>
        <translation>Le croupier montre %1.</translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <extracomment>A card the player drew and their new total.</extracomment>
        <translation>%1, %2.</translation>
    </message>
    <message>
        <source>Bet %1, money %2.</source>
        <extracomment>A chip placed: the stake on the table and the money left.</extracomment>
        <translation>Mise %1, solde %2.</translation>
    </message>
    <message>
        <source>Insurance for %1? Yes or No.</source>
        <translation>Assurance pour %1&#xa0;? Oui ou non.</translation>
    </message>
    <message>
        <source>You may hit, stand or double.</source>
        <translation>Vous pouvez prendre une carte, rester ou doubler.</translation>
    </message>
    <message>
        <source>You may hit or stand.</source>
        <translation>Vous pouvez prendre une carte ou rester.</translation>
    </message>
    <message>
        <source>You may add chips or deal.</source>
        <translation>Vous pouvez ajouter des jetons ou distribuer.</translation>
    </message>
    <message>
        <source>Place your bet with the chips, then deal.</source>
        <translation>Misez avec les jetons, puis distribuez.</translation>
    </message>
    <message>
        <source>The dealer is playing.</source>
        <translation>Le croupier joue.</translation>
    </message>
    <message>
        <source>No cards dealt.</source>
        <translation>Aucune carte distribuée.</translation>
    </message>
    <message>
        <source>Dealer has %1, %2.</source>
        <extracomment>The dealer&apos;s cards and total, when the whole table is read out.</extracomment>
        <translation>Le croupier a %1, %2.</translation>
    </message>
    <message>
        <source>an Ace</source>
        <extracomment>The dealer&apos;s up card after &quot;against&quot;, as in &quot;14 against a King&quot;; one entry per rank.</extracomment>
        <translation>un As</translation>
    </message>
    <message>
        <source>a Two</source>
        <translation>un Deux</translation>
    </message>
    <message>
        <source>a Three</source>
        <translation>un Trois</translation>
    </message>
    <message>
        <source>a Four</source>
        <translation>un Quatre</translation>
    </message>
    <message>
        <source>a Five</source>
        <translation>un Cinq</translation>
    </message>
    <message>
        <source>a Six</source>
        <translation>un Six</translation>
    </message>
    <message>
        <source>a Seven</source>
        <translation>un Sept</translation>
    </message>
    <message>
        <source>an Eight</source>
        <translation>un Huit</translation>
    </message>
    <message>
        <source>a Nine</source>
        <translation>un Neuf</translation>
    </message>
    <message>
        <source>a Ten</source>
        <translation>un Dix</translation>
    </message>
    <message>
        <source>a Jack</source>
        <translation>un Valet</translation>
    </message>
    <message>
        <source>a Queen</source>
        <translation>une Dame</translation>
    </message>
    <message>
        <source>a King</source>
        <translation>un Roi</translation>
    </message>
    <message>
        <source>Insurance pays %1</source>
        <translation>L’assurance paie %1</translation>
    </message>
    <message>
        <source>Push</source>
        <extracomment>The stake came back: neither won nor lost.</extracomment>
        <translation>Égalité</translation>
    </message>
    <message>
        <source>You lose %1</source>
        <translation>Vous perdez %1</translation>
    </message>
    <message>
        <source>You win %1</source>
        <translation>Vous gagnez %1</translation>
    </message>
    <message>
        <source>Blackjack! You win %1</source>
        <translation>Blackjack&#xa0;! Vous gagnez %1</translation>
    </message>
    <message>
        <source>%1, money %2.</source>
        <extracomment>An outcome (&quot;You win 10&quot;) and the money after it.</extracomment>
        <translation>%1, solde %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An outcome told before the next one, without the money.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>soft %1</source>
        <extracomment>A total in which an ace counts 11, so that a card can&apos;t bust it.</extracomment>
        <translation>%1 souple</translation>
    </message>
    <message>
        <source>%1 against %2: %3.</source>
        <extracomment>After the deal: the player&apos;s total against the dealer&apos;s up card, then the player&apos;s cards.</extracomment>
        <translation>%1 contre %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>New game, money %1.</source>
        <translation>Nouvelle partie, solde %1.</translation>
    </message>
    <message>
        <source>Doubled: %1, %2.</source>
        <extracomment>The player&apos;s double: the one card drawn for it, and the total.</extracomment>
        <translation>Doublé&#xa0;: %1, %2.</translation>
    </message>
    <message>
        <source>Insured for %1, money %2.</source>
        <translation>Assuré pour %1, solde %2.</translation>
    </message>
    <message>
        <source>Insurance declined.</source>
        <translation>Assurance refusée.</translation>
    </message>
    <message>
        <source>Hit, stand or double.</source>
        <translation>Carte, rester ou doubler.</translation>
    </message>
    <message>
        <source>Dealer busts with %1.</source>
        <translation>Le croupier dépasse avec %1.</translation>
    </message>
    <message>
        <source>Dealer has %1.</source>
        <translation>Le croupier a %1.</translation>
    </message>
</context>
<context>
    <name>SessionChart</name>
    <message>
        <source>Session chart</source>
        <translation>Graphique de la session</translation>
    </message>
    <message>
        <source>No rounds yet: the money is %1.</source>
        <translation>Aucune manche encore&#xa0;: l&apos;argent est de %1.</translation>
    </message>
    <message>
        <source>After round %1 the money is %2 against an expected path of %3, a luck of %4 standard deviations.</source>
        <extracomment>Round count, money, expected path, luck in standard deviations (signed).</extracomment>
        <translation>Après la manche %1, l&apos;argent est de %2 pour une trajectoire attendue de %3, soit une chance de %4 écarts-types.</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Expected path</source>
        <translation>Trajectoire attendue</translation>
    </message>
    <message>
        <source>Luck: 1 and 2 standard deviations</source>
        <translation>Chance&#xa0;: 1 et 2 écarts-types</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Manches</translation>
    </message>
</context>
</TS>
