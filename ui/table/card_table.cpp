// SPDX-License-Identifier: GPL-3.0-or-later
// Where everything stands on the table. The places were drawn in twips, fifteen to a pixel,
// and are kept in twips here so they can be checked against the drawing, and laid out from
// them at any zoom.
#include "table/card_table.h"

#include <QApplication>
#include <QLabel>
#include <algorithm>

#include "names.h"
#include "seat_view.h"
#include "table/card_image.h"
#include "table/foundation_frame.h"
#include "table/pictures.h"
#include "table/place_names.h"
#include "table/table_ink.h"
#include "table/table_zoom.h"
#include "table/twips.h"

namespace {

struct Place {
    int left;
    int top;
};

// The human's piles along the bottom, by slot, and the red deck beside the stock.
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

// The computer players' backs: the left, middle and right players'.
constexpr std::array<Place, 3> kPlayerDeck{{{240, 3960}, {2235, 0}, {10200, 1395}}};
constexpr std::array<int, 3> kPlayerOfDeck{zanfel::kLeftPlayer, zanfel::kMiddlePlayer, zanfel::kRightPlayer};

// The sixteen foundations in their block in the middle.
// clang-format off
constexpr std::array<Place, zanfel::kFoundations> kPile{{
    {3720, 3840}, {5640, 2640}, {6600, 2640}, {4680, 1440}, {4680, 3840}, {6600, 1440},
    {5640, 3840}, {6600, 3840}, {2760, 3360}, {2760, 2040}, {5640, 1440}, {4680, 2640},
    {3720, 2640}, {3720, 1440}, {7560, 2040}, {7560, 3360},
}};
// clang-format on

// Rectangles here are in twips.
constexpr int kCardWidth = CardImage::kWidth * kTwipsPerPixel;
constexpr int kCardHeight = CardImage::kHeight * kTwipsPerPixel;

// The thin frame around the foundations.
constexpr QRect kFoundationFrame(2520, 1320, 6135, 3735);

constexpr QRect kTips(9240, 5880, 1935, 615);
// The free corner under the left player's back and left of the human's work piles, above the
// count caption.
constexpr QRect kStuckCue(120, 5175, 2040, 1260);

// The counts under the human's piles by slot, then the caption to their left.
constexpr std::array<int, zanfel::kSlotsPerPlayer + 1> kCountLeft{7920, 2400, 3360, 4320, 5280, 6480, 1320};
constexpr int kCountTop = 6480;
constexpr int kCountWidth = 615;
constexpr int kCaptionWidth = 855;
constexpr int kCountHeight = 255;
constexpr int kCountCaption = zanfel::kSlotsPerPlayer;

// The smallest font a label's words shrink to, in points.
constexpr qreal kLeastPoints = 7;

// Starting from the table's font, a label takes a smaller one while its text is too large for it,
// down to a readable least.
template <typename TooLarge>
void shrinkWhile(QLabel* label, TooLarge tooLarge) {
    label->setFont(QFont());
    QFont font = label->font();
    while (tooLarge() && font.pointSizeF() - 0.5 >= kLeastPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        label->setFont(font);
    }
}

// A translation longer than the words a label was drawn for takes a smaller font rather than run
// over the cards round it; English fits and keeps the table's font.
void shrinkToFit(QLabel* label, int width, int room) {
    shrinkWhile(label, [&] { return label->heightForWidth(width) > room; });
}

// The player index a pile image belongs to.
int ownerOf(zanfel::PileImage image) {
    if (image.kind == zanfel::ImageKind::Stack)
        return zanfel::kHuman;
    return zanfel::playerOfBase(zanfel::playerBaseOf(image.index));
}

QString indexedName(const char* name, int index) {
    return QStringLiteral("%1%2").arg(QLatin1String(name)).arg(index);
}

QString hintText(zanfel::Hint hint, bool guest) {
    if (guest && hint == zanfel::Hint::TurnStock)
        return CardTable::tr("Click the back of your deck for 3 more cards");
    if (guest)
        return CardTable::tr("The host deals the next hand");
    switch (hint) {
        case zanfel::Hint::BeforeStartUp:
            return CardTable::tr("Click the back of the red card to deal");
        case zanfel::Hint::Deal:
            return CardTable::tr("Click the back of the red deck to deal");
        case zanfel::Hint::TurnStock:
            return CardTable::tr("Click the back of the red deck for 3 more cards");
    }
    return {};
}

}  // namespace

CardTable::CardTable(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("table"));
    setAutoFillBackground(true);
    // The frame first, so the cards lie on top of it.
    createFoundationFrame();
    createHumanPiles();
    createComputerPiles();
    createFoundations();
    createDecks();
    createLabels();
    setZoom(kActualSize);
}

// The places first, then the table's own size: a resize tells what lies on the table that
// the places have moved.
void CardTable::setZoom(int percent) {
    zoom_ = percent;
    for (const auto& [widget, twips] : places_) {
        widget->setGeometry(zoomedRect(twips, percent));
        if (auto* card = qobject_cast<CardImage*>(widget))
            card->setZoom(percent / 100.0);
    }
    frame_->setZoom(percent / 100.0);
    // At 100 % the labels keep the desktop's own font, as they always had.
    QFont font;
    if (percent != kActualSize) {
        font = QApplication::font();
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * percent / 100);
        else
            font.setPixelSize(font.pixelSize() * percent / 100);
    }
    setFont(font);
    const int countsBelow = fitCounts();
    fitHint();
    shrinkToFit(lblStuck_, lblStuck_->width(), lblStuck_->height());
    setFixedSize(zoomedPx(kTwipsSize.width(), percent), zoomedPx(kTwipsSize.height(), percent) + countsBelow);
}

void CardTable::setFaces(zanfel::artwork::FaceSet faces) {
    faces_ = faces;
    for (const auto& [widget, twips] : places_)
        if (auto* card = qobject_cast<CardImage*>(widget))
            card->setFaces(faces);
}

CardImage* CardTable::placeCard(int left, int top, const QString& name) {
    auto* image = new CardImage(this);
    image->setObjectName(name);
    places_.emplace_back(image, QRect(left, top, kCardWidth, kCardHeight));
    return image;
}

QLabel* CardTable::placeLabel(const QString& name, const QRect& twips, Qt::Alignment alignment) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setAlignment(alignment);
    places_.emplace_back(label, twips);
    return label;
}

void CardTable::createFoundationFrame() {
    frame_ = new FoundationFrame(this);
    frame_->setObjectName(QStringLiteral("Shape1"));
    places_.emplace_back(frame_, kFoundationFrame);
}

// Only the human's own piles can be lifted.
void CardTable::createHumanPiles() {
    for (int k = 0; k < zanfel::kSlotsPerPlayer; ++k) {
        stack_[k] = placeCard(kStack[k].left, kStack[k].top, indexedName("Stack", k));
        stack_[k]->setDragSlot(k);
        connect(stack_[k], &CardImage::doubleClicked, this, [this, k] { emit stackDoubleClicked(k); });
        CardImage* pile = stack_[k];
        connect(pile, &CardImage::lifted, this, [this, k](QPoint at) { emit cardLifted(k, at); });
        connect(pile, &CardImage::carried, this,
                [this, k, pile](QPoint at) { emit cardCarried(k, pile->mapToParent(at)); });
        connect(pile, &CardImage::letGo, this,
                [this, k, pile](QPoint at) { emit cardLetGo(k, pile->mapToParent(at)); });
    }
}

void CardTable::createComputerPiles() {
    for (int i = 0; i < zanfel::kComputerLists; ++i)
        player_[i] = placeCard(kPlayer[i].left, kPlayer[i].top, indexedName("Player", i));
}

void CardTable::createFoundations() {
    for (int j = 0; j < zanfel::kFoundations; ++j)
        pile_[j] = placeCard(kPile[j].left, kPile[j].top, indexedName("Pile", j));
}

void CardTable::createDecks() {
    for (int d = 0; d < 3; ++d)
        deck_[kPlayerOfDeck[d]] =
            placeCard(kPlayerDeck[d].left, kPlayerDeck[d].top, indexedName("PlayerDeck", d));
    deck_[zanfel::kHuman] = placeCard(kDeck.left, kDeck.top, QStringLiteral("Deck"));
    connect(deck_[zanfel::kHuman], &CardImage::clicked, this, &CardTable::deckClicked);
    showBacks();
}

// Each deck and each card face down shows the back of the player whose deck it is.
void CardTable::showBacks() {
    for (int local = 0; local < zanfel::kPlayers; ++local) {
        const int player = zanfel::hostPlayer(viewer_, local);
        const auto back = [player](const PlaceArt& art) { return seatBackPicture(player, art); };
        deck_[local]->setArtwork(back);
        deck_[local]->setAccessibleName(deckName(local, owners_[local]));
        for (int slot = 0; slot < zanfel::kSlotsPerPlayer; ++slot)
            image(zanfel::imageOf(local, slot))->setBackArtwork(back);
    }
}

void CardTable::setViewer(int viewer) {
    viewer_ = viewer;
    showBacks();
}

void CardTable::setOwners(const std::array<QString, zanfel::kPlayers>& owners) {
    if (owners == owners_)
        return;
    owners_ = owners;
    showBacks();
    for (int local = 0; local < zanfel::kPlayers; ++local)
        for (int slot = 0; slot < zanfel::kSlotsPerPlayer; ++slot)
            describe(zanfel::imageOf(local, slot));
}

QLabel* CardTable::addLabel(const QString& name, const QRect& twips, Qt::Alignment alignment) {
    QLabel* label = placeLabel(name, twips, alignment);
    label->setGeometry(zoomedRect(twips, zoom_));
    return label;
}

void CardTable::createLabels() {
    lblTips_ = placeLabel(QStringLiteral("lblTips"), kTips, Qt::AlignHCenter | Qt::AlignTop);
    lblTips_->setWordWrap(true);
    for (int k = 0; k <= kCountCaption; ++k) {
        const bool caption = k == kCountCaption;
        const QRect rect(kCountLeft[k], kCountTop, caption ? kCaptionWidth : kCountWidth, kCountHeight);
        lblStack_[k] = placeLabel(indexedName("lblStack", k), rect,
                                  caption ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignHCenter | Qt::AlignTop);
        lblStack_[k]->hide();
    }
    lblStack_[kCountCaption]->setText(tr("Card Count:"));
    lblStuck_ = placeLabel(QStringLiteral("lblStuck"), kStuckCue, Qt::AlignLeft | Qt::AlignBottom);
    lblStuck_->setWordWrap(true);
    lblStuck_->setText(tr("None of your cards can move. Try No one can play."));
    lblStuck_->hide();
}

// The labels were drawn for a smaller font than most desktops use. A label whose text needs more
// height than its box grows downwards, and moves up only as far as it must to stay on the table.
void CardTable::fitDownwards(QLabel* label, const QRect& box, int needed) const {
    const int height = std::max(box.height(), needed);
    const int top = std::min(box.top(), zoomedPx(kTwipsSize.height(), zoom_) - height);
    label->setGeometry(box.left(), top, box.width(), height);
}

// The counts take the height their text needs, moving up into the room under the human's piles
// as far as they must to stay on the table; past the piles' bottom they keep there, and the
// table grows downwards by the height given back. The caption runs on to the right rather than
// be cut off, and starts further left only when it would run into the first count; with no room
// left of that count at the table's font, it takes a smaller one.
int CardTable::fitCounts() {
    const int table = zoomedPx(kTwipsSize.height(), zoom_);
    const int floor = stack_[0]->geometry().bottom() + 1;
    QLabel* caption = lblStack_[kCountCaption];
    caption->setFont(QFont());
    // A line of the caption's words, as the counts may still be empty.
    const int line = caption->sizeHint().height();
    int extra = 0;
    for (QLabel* label : lblStack_) {
        const int height = std::max({label->height(), label->fontMetrics().height(), line});
        const int top = std::max(std::min(label->y(), table - height), std::min(label->y(), floor));
        label->setGeometry(label->x(), top, label->width(), height);
        extra = std::max(extra, top + height - table);
    }
    const int room = lblStack_[1]->x();
    shrinkWhile(caption, [&] { return caption->sizeHint().width() > room; });
    const int width = std::max(caption->width(), caption->sizeHint().width());
    caption->setGeometry(std::min(caption->x(), room - width), caption->y(), width, caption->height());
    return extra;
}

CardImage* CardTable::image(zanfel::PileImage image) const {
    switch (image.kind) {
        case zanfel::ImageKind::Stack:
            return stack_[image.index];
        case zanfel::ImageKind::Player:
            return player_[image.index];
        case zanfel::ImageKind::Foundation:
            return pile_[image.index];
    }
    return nullptr;
}

void CardTable::showCard(zanfel::PileImage image, zanfel::CardNumber card) {
    this->image(image)->showCard(card);
    describe(image);
}

// Screen readers and tooltips say whose place it is and what it shows, kept current. The tip
// tells the human's counts only while Show Card Count shows them on the table.
void CardTable::describe(zanfel::PileImage image) {
    CardImage* place = this->image(image);
    const bool counted = image.kind == zanfel::ImageKind::Stack && countsVisible_;
    const std::optional<int> count = counted ? std::optional(counts_[image.index]) : std::nullopt;
    const QString& owner = image.kind == zanfel::ImageKind::Foundation ? QString() : owners_[ownerOf(image)];
    place->setAccessibleName(placeText(image, place->card(), owner));
    place->setToolTip(placeTip(image, place->card(), count, owner));
}

void CardTable::showHint(zanfel::Hint hint, bool guest) {
    lblTips_->setText(hintText(hint, guest));
    fitHint();
}

// The longest hint takes three lines, which in our font can need a few pixels more than its box
// was drawn with; the cards above it leave it no more than the rest of the table's height.
void CardTable::fitHint() {
    const QRect box = zoomedRect(kTips, zoom_);
    shrinkToFit(lblTips_, box.width(), zoomedPx(kTwipsSize.height(), zoom_) - box.top());
    fitDownwards(lblTips_, box, lblTips_->heightForWidth(box.width()));
}

void CardTable::showStuckCue(bool shown) {
    lblStuck_->setVisible(shown);
}

void CardTable::setCounts(const std::array<int, zanfel::kSlotsPerPlayer>& counts) {
    counts_ = counts;
    for (int k = 0; k < zanfel::kSlotsPerPlayer; ++k) {
        const zanfel::PileImage pile{zanfel::ImageKind::Stack, k};
        lblStack_[k]->setText(QString::number(counts[k]));
        lblStack_[k]->setAccessibleName(
            tr("Cards in %1: %2").arg(placeName(pile, owners_[zanfel::kHuman])).arg(counts[k]));
        describe(pile);
    }
}

void CardTable::setCountsVisible(bool visible) {
    for (QLabel* label : lblStack_)
        label->setVisible(visible);
    if (visible == countsVisible_)
        return;
    countsVisible_ = visible;
    for (int k = 0; k < zanfel::kSlotsPerPlayer; ++k)
        describe({zanfel::ImageKind::Stack, k});
}

void CardTable::setDragsEnabled(bool enabled) {
    for (CardImage* pile : stack_)
        pile->setDragEnabled(enabled);
}

QColor CardTable::colour() const {
    return palette().color(QPalette::Window);
}

// The hint and the counts keep the theme's text colour while it reads well on the table.
void CardTable::setColour(const QColor& colour) {
    QPalette shades = palette();
    shades.setColor(QPalette::Window, colour);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        shades.setColor(group, QPalette::WindowText,
                        textInk(colour, QApplication::palette().color(group, QPalette::WindowText)));
    setPalette(shades);
}
