// Where everything stands on the table. The places were drawn in twips, fifteen to a pixel,
// and are kept in twips here so they can be checked against the drawing.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "card_image.h"
#include "main_window.h"
#include "pictures.h"
#include "twips.h"

namespace {

constexpr int kTableWidth = 11310;
constexpr int kTableHeight = 6780;

struct Place {
    int left;
    int top;
};

// The human's piles along the bottom: Stack(0..5), and the red Deck beside the stock.
constexpr std::array<Place, zanfel::kSlotsPerPlayer> kStack{
    {{7320, 5280}, {2280, 5280}, {3240, 5280}, {4200, 5280}, {5160, 5280}, {6360, 5280}}};
constexpr Place kDeck{8205, 5280};

// The computer players: the middle one across the top, the left and right ones down the sides.
// clang-format off
constexpr std::array<Place, zanfel::kComputerLists> kPlayer{{
    {3120, 0},     {5280, 0},    {6240, 0},    {7200, 0},    {8160, 0},    {4080, 0},      // middle
    {240, 2880},   {1200, 840},  {1200, 2040}, {1200, 3240}, {1200, 4440}, {240, 1440},    // left
    {10200, 2520}, {9240, 840},  {9240, 2040}, {9240, 3240}, {9240, 4440}, {10200, 3960},  // right
}};
// clang-format on

// PlayerDeck(0..2): the left, middle and right players' backs.
constexpr std::array<Place, 3> kPlayerDeck{{{240, 3960}, {2235, 0}, {10200, 1395}}};
const char* const kPlayerDeckNames[3] = {QT_TRANSLATE_NOOP("Form1", "Left Guy's deck"),
                                         QT_TRANSLATE_NOOP("Form1", "Middle Guy's deck"),
                                         QT_TRANSLATE_NOOP("Form1", "Right Guy's deck")};

// The sixteen foundations in their block in the middle.
// clang-format off
constexpr std::array<Place, zanfel::kFoundations> kPile{{
    {3720, 3840}, {5640, 2640}, {6600, 2640}, {4680, 1440}, {4680, 3840}, {6600, 1440},
    {5640, 3840}, {6600, 3840}, {2760, 3360}, {2760, 2040}, {5640, 1440}, {4680, 2640},
    {3720, 2640}, {3720, 1440}, {7560, 2040}, {7560, 3360},
}};
// clang-format on

// Shape1: the thin frame around the foundations.
constexpr QRect kShape1 = twipsRect(2520, 1320, 6135, 3735);

constexpr QRect kTips = twipsRect(9240, 5880, 1935, 615);

// The counts under the human's piles, lblStack(0..5), and lblStack(6), their caption.
constexpr std::array<int, zanfel::kSlotsPerPlayer + 1> kCountLeft{7920, 2400, 3360, 4320, 5280, 6480, 1320};
constexpr int kCountTop = 6480;
constexpr int kCountWidth = 615;
constexpr int kCaptionWidth = 855;
constexpr int kCountHeight = 255;

// A rectangle outline in the default line colour, never filled, never clicked.
class OutlineShape : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QString indexedName(const char* name, int index) {
    return QStringLiteral("%1%2").arg(QLatin1String(name)).arg(index);
}

CardImage* placeCard(QWidget* table, const Place& place, const QString& name) {
    auto* image = new CardImage(table);
    image->setObjectName(name);
    image->move(px(place.left), px(place.top));
    return image;
}

QLabel* placeLabel(QWidget* table, const QString& name, const QRect& rect, Qt::Alignment alignment) {
    auto* label = new QLabel(table);
    label->setObjectName(name);
    label->setGeometry(rect);
    label->setAlignment(alignment);
    return label;
}

}  // namespace

void Form1::createTable() {
    table_ = new QWidget(this);
    table_->setObjectName(QStringLiteral("table"));
    table_->setFixedSize(px(kTableWidth), px(kTableHeight));
    table_->setAutoFillBackground(true);
    setTableColour(buttonFaceColour(QApplication::palette()));
    setCentralWidget(table_);
    // The outline first, so the cards lie on top of it.
    createOutline();
    createCardImages();
    createLabels();
}

void Form1::createOutline() {
    auto* shape = new OutlineShape(table_);
    shape->setObjectName(QStringLiteral("Shape1"));
    shape->setGeometry(kShape1);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Form1::createCardImages() {
    // Only the human's own piles can be dragged; they and the foundations take drops.
    for (int k = 0; k < zanfel::kSlotsPerPlayer; ++k) {
        stack_[k] = placeCard(table_, kStack[k], indexedName("Stack", k));
        stack_[k]->setDragSlot(k);
        stack_[k]->setDropTarget(true);
        connect(stack_[k], &CardImage::cardDropped, this,
                [this, k](int from) { game_.dropOnStack(from, k); });
        connect(stack_[k], &CardImage::doubleClicked, this, [this, k] { game_.playToFoundation(k); });
    }
    for (int i = 0; i < zanfel::kComputerLists; ++i)
        player_[i] = placeCard(table_, kPlayer[i], indexedName("Player", i));
    for (int j = 0; j < zanfel::kFoundations; ++j) {
        pile_[j] = placeCard(table_, kPile[j], indexedName("Pile", j));
        pile_[j]->setDropTarget(true);
        connect(pile_[j], &CardImage::cardDropped, this,
                [this, j](int from) { game_.dropOnFoundation(from, j); });
    }
    for (int d = 0; d < 3; ++d) {
        playerDeck_[d] = placeCard(table_, kPlayerDeck[d], indexedName("PlayerDeck", d));
        playerDeck_[d]->setArtwork([d](qreal ratio) { return playerDeckPicture(d, ratio); });
        playerDeck_[d]->setAccessibleName(tr(kPlayerDeckNames[d]));
    }
    deck_ = placeCard(table_, kDeck, QStringLiteral("Deck"));
    deck_->setAccessibleName(tr("Your deck"));
    deck_->setArtwork(deckPicture);
    connect(deck_, &CardImage::clicked, this, [this] { game_.deckClicked(); });
}

void Form1::createLabels() {
    lblTips_ = placeLabel(table_, QStringLiteral("lblTips"), kTips, Qt::AlignHCenter | Qt::AlignTop);
    lblTips_->setWordWrap(true);
    lblTips_->setText(QString::fromUtf8(zanfel::kHintAsDesigned));
    for (int k = 0; k <= zanfel::kSlotsPerPlayer; ++k) {
        const bool caption = k == zanfel::kSlotsPerPlayer;
        const QRect rect(px(kCountLeft[k]), px(kCountTop), px(caption ? kCaptionWidth : kCountWidth),
                         px(kCountHeight));
        lblStack_[k] = placeLabel(table_, indexedName("lblStack", k), rect,
                                  caption ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignHCenter | Qt::AlignTop);
        lblStack_[k]->hide();
    }
    // The caption was drawn for a smaller font than ours: let it run on to the right rather
    // than cut it off; the first count starts well clear of it.
    QLabel* caption = lblStack_[zanfel::kSlotsPerPlayer];
    caption->setText(tr("Card Count:"));
    caption->resize(std::max(caption->width(), caption->sizeHint().width()), caption->height());
}
