#include "table/card_deck.h"

#include <QImage>
#include <QSet>
#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace {

QImage faceImage(qint32 number) {
    return CardDeck::renderFace(number, 1.0).pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

bool isRedInk(QRgb pixel) {
    return qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}
bool isInk(QRgb pixel) {
    return qAlpha(pixel) == 255 && std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 160;
}

// Separate marks of ink in the middle of the card, away from the corner indices: one per pip.
int inkBlobsInMiddle(const QImage &image) {
    const QRect middle(15, 5, 42, 86);
    std::vector<bool> seen(static_cast<std::size_t>(image.width() * image.height()), false);
    auto mark = [&](int x, int y) -> bool {
        const auto index = static_cast<std::size_t>(y * image.width() + x);
        if (!middle.contains(x, y) || seen[index] || !isInk(image.pixel(x, y))) {
            return false;
        }
        seen[index] = true;
        return true;
    };
    int blobs = 0;
    for (int y = middle.top(); y <= middle.bottom(); ++y) {
        for (int x = middle.left(); x <= middle.right(); ++x) {
            if (!mark(x, y)) {
                continue;
            }
            ++blobs;
            std::vector<QPoint> pending{{x, y}};
            while (!pending.empty()) {
                const QPoint p = pending.back();
                pending.pop_back();
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    if (mark(p.x() + step.x(), p.y() + step.y())) {
                        pending.push_back(p + step);
                    }
                }
            }
        }
    }
    return blobs;
}

} // namespace

TEST(CardDeckTest, NamesFollowTheFourBlocksOfThirteen) {
    const struct {
        qint32 number;
        const char *name;
    } cases[] = {
        {1, "Ace of Clubs"},      {2, "Two of Clubs"},      {10, "Ten of Clubs"},
        {13, "King of Clubs"},    {14, "Ace of Diamonds"},  {20, "Seven of Diamonds"},
        {24, "Jack of Diamonds"}, {26, "King of Diamonds"}, {27, "Ace of Hearts"},
        {35, "Nine of Hearts"},   {36, "Ten of Hearts"},    {38, "Queen of Hearts"},
        {39, "King of Hearts"},   {40, "Ace of Spades"},    {42, "Three of Spades"},
        {52, "King of Spades"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(CardDeck::cardName(c.number), QString::fromLatin1(c.name)) << c.number;
    }
    QSet<QString> names;
    for (qint32 n = 1; n <= 52; ++n) {
        names.insert(CardDeck::cardName(n));
    }
    EXPECT_EQ(names.size(), 52);
    EXPECT_FALSE(names.contains(QStringLiteral("Blank card")));
}

TEST(CardDeckTest, NumbersOutsideThePackGiveABlankWhiteCard) {
    const QImage blank = faceImage(0);
    for (const qint32 number : {0, -1, 53, INT_MIN, INT_MAX}) {
        CardDeck deck;
        deck.setCard(number);
        const CardPicture picture = deck.picture();
        EXPECT_EQ(deck.card(), number);
        EXPECT_EQ(picture.name, QStringLiteral("Blank card")) << number;
        EXPECT_EQ(picture.pixmap.deviceIndependentSize().toSize(), QSize(71, 96)) << number;
        EXPECT_EQ(faceImage(number), blank) << number;
    }
    EXPECT_EQ(blank.pixel(35, 48), qRgb(255, 255, 255));
    EXPECT_EQ(inkBlobsInMiddle(blank), 0);
}

TEST(CardDeckTest, EveryFaceIsACardSizedOpaqueCard) {
    const QRect cornerSquare(0, 0, 4, 4);
    for (qint32 n = 1; n <= 52; ++n) {
        CardDeck deck;
        deck.setCard(n);
        EXPECT_EQ(deck.picture().pixmap.deviceIndependentSize().toSize(), QSize(71, 96)) << n;
        // Only the rounded-off corner pixels may let the table show through.
        const QImage image = faceImage(n);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QPoint folded(std::min(x, 70 - x), std::min(y, 95 - y));
                if (!cornerSquare.contains(folded) && qAlpha(image.pixel(x, y)) != 255) {
                    ADD_FAILURE() << n << " is see-through at " << x << "," << y;
                    return;
                }
            }
        }
    }
}

TEST(CardDeckTest, AllFiftyTwoFacesDiffer) {
    QSet<QByteArray> faces;
    for (qint32 n = 1; n <= 52; ++n) {
        const QImage image = faceImage(n);
        faces.insert(QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(faces.size(), 52);
}

TEST(CardDeckTest, OnlyDiamondsAndHeartsCarryRedInk) {
    for (qint32 n = 1; n <= 52; ++n) {
        const QImage image = faceImage(n);
        int red = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                red += isRedInk(image.pixel(x, y)) ? 1 : 0;
            }
        }
        const bool redSuit = n >= 14 && n <= 39;
        if (redSuit) {
            EXPECT_GT(red, 50) << CardDeck::cardName(n).toStdString();
        } else {
            EXPECT_EQ(red, 0) << CardDeck::cardName(n).toStdString();
        }
    }
}

TEST(CardDeckTest, NumberCardsShowOnePipPerPoint) {
    for (qint32 suitStart : {1, 14, 27, 40}) {
        EXPECT_EQ(inkBlobsInMiddle(faceImage(suitStart)), 1) << CardDeck::cardName(suitStart).toStdString();
        for (int rank = 2; rank <= 10; ++rank) {
            const qint32 n = suitStart + rank - 1;
            EXPECT_EQ(inkBlobsInMiddle(faceImage(n)), rank) << CardDeck::cardName(n).toStdString();
        }
    }
}

TEST(CardDeckTest, RendersSharplyForADoubleDensityScreen) {
    const QPixmap pixmap = CardDeck::renderFace(38, 2.0).pixmap;
    EXPECT_EQ(pixmap.size(), QSize(142, 192));
    EXPECT_EQ(pixmap.devicePixelRatio(), 2.0);
    EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), QSize(71, 96));
}

TEST(CardDeckTest, ASecondDrawOfTheSameCardReusesThePicture) {
    CardDeck deck;
    deck.setCard(5);
    const CardPicture first = deck.picture();
    EXPECT_TRUE(deck.picture().isSameAs(first));
    deck.setCard(6);
    EXPECT_FALSE(deck.picture().isSameAs(first));
    EXPECT_FALSE(CardDeck::renderFace(5, 2.0).isSameAs(CardDeck::renderFace(5, 1.0)));
}
