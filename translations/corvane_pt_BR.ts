<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Alert</name>
    <message>
        <source>You have not enough money!!</source>
        <translation>Você não tem dinheiro suficiente!!</translation>
    </message>
    <message>
        <source>Please bet first!!</source>
        <translation>Faça sua aposta primeiro!!</translation>
    </message>
</context>
<context>
    <name>AnimationPlayer</name>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Voltar ao início</translation>
    </message>
</context>
<context>
    <name>BJHelp</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Rules of the game</source>
        <translation>Regras do jogo</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language, as in help_text_&lt;code&gt;.txt and win_&lt;code&gt;.swf: &quot;de&quot;, &quot;pt_BR&quot;.</extracomment>
        <translation>pt_BR</translation>
    </message>
</context>
<context>
    <name>BJHint</name>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>What each choice is worth</source>
        <translation>Quanto vale cada escolha</translation>
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
        <translation>Fazer seguro?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>BJMain</name>
    <message>
        <source>Insurance pays</source>
        <translation>O seguro paga</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>You lose</source>
        <translation>Você perdeu</translation>
    </message>
    <message>
        <source>You win</source>
        <translation>Você ganhou</translation>
    </message>
    <message>
        <source>Blackjack!</source>
        <translation>Blackjack!</translation>
    </message>
    <message>
        <source>Outcome of the round</source>
        <translation>Resultado da rodada</translation>
    </message>
    <message>
        <source>No outcome yet</source>
        <translation>Ainda sem resultado</translation>
    </message>
    <message>
        <source>Face-down card</source>
        <translation>Carta virada para baixo</translation>
    </message>
    <message>
        <source>&amp;File </source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Re-Start &amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;Ligado</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>&amp;Outros</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Distribuir</translation>
    </message>
    <message>
        <source>&amp;Hit</source>
        <translation>&amp;Pedir</translation>
    </message>
    <message>
        <source>&amp;Stand</source>
        <translation>Pa&amp;rar</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>Do&amp;brar</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <extracomment>A chip as a screen reader names it; %1 is its amount.</extracomment>
        <translation>Apostar %1</translation>
    </message>
    <message>
        <source>Dealer total</source>
        <translation>Pontos do crupiê</translation>
    </message>
    <message>
        <source>Player total</source>
        <translation>Seus pontos</translation>
    </message>
    <message>
        <source>Bet</source>
        <comment>bet box title</comment>
        <extracomment>The title of the bet box, which has room for three letters: it is narrowed to fit a longer word, and a shorter form of the word (a length variant) is shown in its place where the long one would be squeezed hard.</extracomment>
        <translation>Aposta</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>What the bet box&apos;s number is, as a screen reader says it.</extracomment>
        <translation>Aposta</translation>
    </message>
    <message>
        <source>Your Money</source>
        <translation>Seu dinheiro</translation>
    </message>
    <message>
        <source>Your money</source>
        <translation>Seu dinheiro</translation>
    </message>
    <message>
        <source>Read the table</source>
        <translation>Ler a mesa</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Estatísticas</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Treinador</translation>
    </message>
    <message>
        <source>Repeat the news</source>
        <translation>Repetir o último aviso</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Som ligado.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Som desligado.</translation>
    </message>
    <message>
        <source>Coach on.</source>
        <translation>Treinador ligado.</translation>
    </message>
    <message>
        <source>Coach off.</source>
        <translation>Treinador desligado.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamanho real</translation>
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
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>The session&apos;s record</source>
        <translation>Balanço da sessão</translation>
    </message>
</context>
<context>
    <name>CardDeck</name>
    <message>
        <source>Ace</source>
        <translation>Ás</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dois</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Três</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatro</translation>
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
        <translation>Sete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Oito</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valete</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rei</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>paus</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>ouros</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>copas</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>espadas</translation>
    </message>
    <message>
        <source>Blank card</source>
        <translation>Carta em branco</translation>
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
        <translation>Façam suas apostas</translation>
    </message>
    <message>
        <source>You lose</source>
        <translation>Você perdeu</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Você ganhou!</translation>
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
        <translation>Treinador</translation>
    </message>
    <message>
        <source>Your last choice</source>
        <translation>Sua última escolha</translation>
    </message>
    <message>
        <source>Stand</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Pedir</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Dobrar</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguro</translation>
    </message>
    <message>
        <source>No insurance</source>
        <translation>Sem seguro</translation>
    </message>
    <message>
        <source>Best choice.</source>
        <translation>Melhor escolha.</translation>
    </message>
    <message>
        <source>Close call: %1 was better by less than %2.</source>
        <extracomment>The better choice first: &quot;Close call: Stand was better by less than 0.01.&quot;</extracomment>
        <translation>Por pouco: %1 era melhor por menos de %2.</translation>
    </message>
    <message>
        <source>%1 was better: %2 gives away %3 on average.</source>
        <extracomment>The better choice, then the one taken: &quot;Stand was better: Hit gives away 0.07 on average.&quot;</extracomment>
        <translation>%1 era melhor: %2 perde %3 em média.</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Decisões</translation>
    </message>
    <message>
        <source>Best choices</source>
        <extracomment>The count of best choices, then their share of the decisions in percent: &quot;12 (75%)&quot;.</extracomment>
        <translation>Melhores escolhas</translation>
    </message>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2%)</translation>
    </message>
    <message>
        <source>Given away per decision</source>
        <extracomment>The average money given away by each decision, to a tenth of a cent.</extracomment>
        <translation>Perdido por decisão</translation>
    </message>
</context>
<context>
    <name>CoachWords</name>
    <message>
        <source>Stand</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Pedir</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Dobrar</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguro</translation>
    </message>
    <message>
        <source>No insurance</source>
        <translation>Sem seguro</translation>
    </message>
    <message>
        <source>break even on average</source>
        <translation>empata em média</translation>
    </message>
    <message>
        <source>break even</source>
        <translation>empata</translation>
    </message>
    <message>
        <source>win %1 on average</source>
        <translation>ganha %1 em média</translation>
    </message>
    <message>
        <source>win %1</source>
        <translation>ganha %1</translation>
    </message>
    <message>
        <source>lose %1 on average</source>
        <translation>perde %1 em média</translation>
    </message>
    <message>
        <source>lose %1</source>
        <translation>perde %1</translation>
    </message>
    <message>
        <source>Nothing to decide now.</source>
        <translation>Nada a decidir agora.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>One choice and its expected result: &quot;Stand: lose 1.54 on average.&quot;</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Rounds played</source>
        <translation>Rodadas jogadas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganhas</translation>
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
        <translation>Blackjacks feitos</translation>
    </message>
    <message>
        <source>Insurance bought</source>
        <translation>Seguros comprados</translation>
    </message>
    <message>
        <source>Insurance paid</source>
        <translation>Seguros pagos</translation>
    </message>
    <message>
        <source>Doubles</source>
        <translation>Apostas dobradas</translation>
    </message>
    <message>
        <source>Net result</source>
        <translation>Resultado líquido</translation>
    </message>
    <message>
        <source>Your Money at its highest</source>
        <extracomment>The most money the player has held this session; &quot;Your Money&quot; is the table&apos;s caption for it.</extracomment>
        <translation>Máximo do seu dinheiro</translation>
    </message>
    <message>
        <source>Given away by choices</source>
        <extracomment>The money given away by choices worse than the best one.</extracomment>
        <translation>Perdido em escolhas piores</translation>
    </message>
    <message>
        <source>Luck</source>
        <extracomment>The result less what the choices made were expected to bring.</extracomment>
        <translation>Sorte</translation>
    </message>
    <message>
        <source>Luck in standard deviations</source>
        <extracomment>The luck as a number of standard deviations.</extracomment>
        <translation>Sorte em desvios-padrão</translation>
    </message>
</context>
<context>
    <name>CorvaneAlert</name>
    <message>
        <source>Corvane Alert</source>
        <translation>Aviso do Corvane</translation>
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
        <translation>%1, estourou</translation>
    </message>
    <message>
        <source>Insurance for %1?</source>
        <extracomment>The insurance offer as a screen reader speaks it; %1 is what the insurance costs.</extracomment>
        <translation>Fazer seguro por %1?</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation type="vanished">Novo jogo.</translation>
    </message>
    <message>
        <source>You have %1, %2.</source>
        <translation>Você tem %1, %2.</translation>
    </message>
    <message>
        <source>Dealer shows %1.</source>
        <translation>O crupiê mostra %1.</translation>
    </message>
    <message>
        <source>You double: bet %1, money %2.</source>
        <translation type="vanished">Você dobra: aposta %1, dinheiro %2.</translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <extracomment>A card the player drew and their new total.</extracomment>
        <translation>%1, %2.</translation>
    </message>
    <message>
        <source>Dealer turns up %1, %2.</source>
        <extracomment>The dealer turns the hole card up; %1 is the card (and any drawn with it), %2 the dealer&apos;s total.</extracomment>
        <translation type="vanished">O crupiê vira %1, %2.</translation>
    </message>
    <message>
        <source>Dealer draws %1, %2.</source>
        <translation type="vanished">O crupiê tira %1, %2.</translation>
    </message>
    <message>
        <source>Insurance pays %1.</source>
        <translation type="vanished">O seguro paga %1.</translation>
    </message>
    <message>
        <source>Push: your bet of %1 comes back.</source>
        <translation type="vanished">Empate: sua aposta de %1 volta para você.</translation>
    </message>
    <message>
        <source>You lose %1.</source>
        <translation type="vanished">Você perde %1.</translation>
    </message>
    <message>
        <source>You win %1.</source>
        <translation type="vanished">Você ganha %1.</translation>
    </message>
    <message>
        <source>Blackjack! You win %1.</source>
        <translation type="vanished">Blackjack! Você ganha %1.</translation>
    </message>
    <message>
        <source>Your money: %1.</source>
        <translation type="vanished">Seu dinheiro: %1.</translation>
    </message>
    <message>
        <source>Insurance costs %1, money %2.</source>
        <translation type="vanished">O seguro custa %1, dinheiro %2.</translation>
    </message>
    <message>
        <source>Bet %1, money %2.</source>
        <extracomment>A chip placed: the stake on the table and the money left.</extracomment>
        <translation>Aposta %1, dinheiro %2.</translation>
    </message>
    <message>
        <source>Insurance for %1? Yes or No.</source>
        <translation>Fazer seguro por %1? Sim ou não.</translation>
    </message>
    <message>
        <source>You may hit, stand or double.</source>
        <translation>Você pode pedir, parar ou dobrar.</translation>
    </message>
    <message>
        <source>You may hit or stand.</source>
        <translation>Você pode pedir ou parar.</translation>
    </message>
    <message>
        <source>You may add chips or deal.</source>
        <translation>Você pode adicionar fichas ou distribuir.</translation>
    </message>
    <message>
        <source>Place your bet with the chips, then deal.</source>
        <translation>Aposte com as fichas e depois distribua.</translation>
    </message>
    <message>
        <source>The dealer is playing.</source>
        <translation>O crupiê está jogando.</translation>
    </message>
    <message>
        <source>No cards dealt.</source>
        <translation>Nenhuma carta distribuída.</translation>
    </message>
    <message>
        <source>Dealer has %1, %2.</source>
        <extracomment>The dealer&apos;s cards and total, when the whole table is read out.</extracomment>
        <translation>O crupiê tem %1, %2.</translation>
    </message>
    <message>
        <source>an Ace</source>
        <extracomment>The dealer&apos;s up card after &quot;against&quot;, as in &quot;14 against a King&quot;; one entry per rank.</extracomment>
        <translation>um ás</translation>
    </message>
    <message>
        <source>a Two</source>
        <translation>um dois</translation>
    </message>
    <message>
        <source>a Three</source>
        <translation>um três</translation>
    </message>
    <message>
        <source>a Four</source>
        <translation>um quatro</translation>
    </message>
    <message>
        <source>a Five</source>
        <translation>um cinco</translation>
    </message>
    <message>
        <source>a Six</source>
        <translation>um seis</translation>
    </message>
    <message>
        <source>a Seven</source>
        <translation>um sete</translation>
    </message>
    <message>
        <source>an Eight</source>
        <translation>um oito</translation>
    </message>
    <message>
        <source>a Nine</source>
        <translation>um nove</translation>
    </message>
    <message>
        <source>a Ten</source>
        <translation>um dez</translation>
    </message>
    <message>
        <source>a Jack</source>
        <translation>um valete</translation>
    </message>
    <message>
        <source>a Queen</source>
        <translation>uma dama</translation>
    </message>
    <message>
        <source>a King</source>
        <translation>um rei</translation>
    </message>
    <message>
        <source>Insurance pays %1</source>
        <translation>O seguro paga %1</translation>
    </message>
    <message>
        <source>Push</source>
        <extracomment>The stake came back: neither won nor lost.</extracomment>
        <translation>Empate</translation>
    </message>
    <message>
        <source>You lose %1</source>
        <translation>Você perde %1</translation>
    </message>
    <message>
        <source>You win %1</source>
        <translation>Você ganha %1</translation>
    </message>
    <message>
        <source>Blackjack! You win %1</source>
        <translation>Blackjack! Você ganha %1</translation>
    </message>
    <message>
        <source>%1, money %2.</source>
        <extracomment>An outcome (&quot;You win 10&quot;) and the money after it.</extracomment>
        <translation>%1, dinheiro %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An outcome told before the next one, without the money.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>soft %1</source>
        <extracomment>A total in which an ace counts 11, so that a card can&apos;t bust it.</extracomment>
        <translation>%1 flexível</translation>
    </message>
    <message>
        <source>%1 against %2: %3.</source>
        <extracomment>After the deal: the player&apos;s total against the dealer&apos;s up card, then the player&apos;s cards.</extracomment>
        <translation>%1 contra %2: %3.</translation>
    </message>
    <message>
        <source>Dealer busts with %1.</source>
        <translation>O crupiê estoura com %1.</translation>
    </message>
    <message>
        <source>Dealer has %1.</source>
        <translation>O crupiê tem %1.</translation>
    </message>
    <message>
        <source>New game, money %1.</source>
        <translation>Novo jogo, dinheiro %1.</translation>
    </message>
    <message>
        <source>Doubled: %1, %2.</source>
        <extracomment>The player&apos;s double: the one card drawn for it, and the total.</extracomment>
        <translation>Dobrou: %1, %2.</translation>
    </message>
    <message>
        <source>Insured for %1, money %2.</source>
        <translation>Seguro de %1, dinheiro %2.</translation>
    </message>
    <message>
        <source>Insurance declined.</source>
        <translation>Seguro recusado.</translation>
    </message>
    <message>
        <source>Hit, stand or double.</source>
        <translation>Pedir, parar ou dobrar.</translation>
    </message>
</context>
<context>
    <name>SessionChart</name>
    <message>
        <source>Session chart</source>
        <translation>Gráfico da sessão</translation>
    </message>
    <message>
        <source>No rounds yet: the money is %1.</source>
        <translation>Nenhuma rodada ainda: o dinheiro é %1.</translation>
    </message>
    <message>
        <source>After round %1 the money is %2 against an expected path of %3, a luck of %4 standard deviations.</source>
        <extracomment>Round count, money, expected path, luck in standard deviations (signed).</extracomment>
        <translation>Após a rodada %1 o dinheiro é %2, contra uma trajetória esperada de %3, uma sorte de %4 desvios-padrão.</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinheiro</translation>
    </message>
    <message>
        <source>Expected path</source>
        <translation>Trajetória esperada</translation>
    </message>
    <message>
        <source>Luck: 1 and 2 standard deviations</source>
        <translation>Sorte: 1 e 2 desvios-padrão</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Rodadas</translation>
    </message>
</context>
</TS>
