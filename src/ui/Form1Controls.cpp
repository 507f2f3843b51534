#include "ui/Form1Controls.h"

#include "messages/Captions.h"
#include "platform/JapaneseDesktop.h"
#include "ui/NameBox.h"
#include "ui/TitleBox.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace velnora
{

namespace
{

namespace c = messages::captions::mainwindow;

enum class Kind { Label, Field, Titles, Button, Option, Check, Group, Counter, Combo, List };
// How a control looks beyond its kind.
enum class Look { Plain, ListColumn, MoveButton, Panel, OnEdge, Hidden };

struct Row {
    Kind kind;
    const char16_t *name;
    const char16_t *parent; // null: the client area
    QString (*caption)();   // null: none
    int left, top, width, height;
    Look look = Look::Plain;
};

// In creation order, which is also the stacking order of overlapping controls.
const Row Rows[] = {
    {Kind::Label, u"Label1(1)", nullptr, c::albumLabel, 105, 105, 1335, 255},
    {Kind::Label, u"Label1(2)", nullptr, c::artistLabel, 2835, 105, 1335, 255},
    {Kind::Label, u"Label1(3)", nullptr, c::titlesLabel, 105, 840, 2205, 255},
    {Kind::Field, u"Text1(1)", nullptr, nullptr, 105, 315, 2625, 375},
    {Kind::Field, u"Text1(2)", nullptr, nullptr, 2835, 315, 2625, 375},
    {Kind::Check, u"Check2", nullptr, c::dropNamesCheck, 2520, 800, 2640, 225},
    {Kind::List, u"List1", nullptr, nullptr, 105, 1035, 645, 3840, Look::ListColumn},
    {Kind::Titles, u"Text1(3)", nullptr, nullptr, 480, 1035, 5010, 4045},
    {Kind::Button, u"Command9(1)", nullptr, c::moveUpButton, 105, 4795, 390, 225, Look::MoveButton},
    {Kind::Button, u"Command9(2)", nullptr, c::moveDownButton, 105, 5035, 390, 225, Look::MoveButton},
    {Kind::Group, u"Frame1", nullptr, nullptr, 105, 5140, 5370, 2325},
    // The caption of the move buttons: in the strip of the lower group box right of "▼", so it
    // follows the buttons when the window grows and is never hidden with them.
    {Kind::Label, u"Label3", u"Frame1", c::moveLabel, 450, 15, 900, 195},
    {Kind::Group, u"Frame2", u"Frame1", c::editTypeGroup, 105, 210, 2115, 1170},
    {Kind::Option, u"Option1", u"Frame2", c::editTypeEn, 105, 210, 1695, 225},
    {Kind::Option, u"Option2", u"Frame2", c::editTypeJa, 105, 525, 1800, 225},
    {Kind::Option, u"Option3", u"Frame2", c::editTypeEnJa, 105, 840, 1380, 225},
    {Kind::Button, u"Command1", u"Frame1", c::editButton, 105, 1470, 650, 330},
    {Kind::Button, u"Command2", u"Frame1", c::undoButton, 840, 1470, 650, 330},
    {Kind::Button, u"Command3", u"Frame1", c::clearButton, 1575, 1470, 650, 330},
    {Kind::Button, u"Command8", u"Frame1", c::sortButton, 105, 1890, 650, 330},
    {Kind::Button, u"Command4", u"Frame1", c::saveButton, 840, 1890, 650, 330},
    {Kind::Button, u"Command5", u"Frame1", c::exitButton, 1575, 1890, 650, 330},
    {Kind::Group, u"Frame3", u"Frame1", nullptr, 2310, 210, 2955, 2010},
    {Kind::Check, u"Check1", u"Frame3", c::trackNumbersCheck, 105, 0, 2640, 225, Look::OnEdge},
    {Kind::Option, u"Option4", u"Frame3", c::fixedNumbers, 210, 315, 1065, 225},
    {Kind::Option, u"Option5", u"Frame3", c::variableNumbers, 1260, 315, 1065, 225},
    {Kind::Group, u"Frame4", u"Frame3", nullptr, 210, 525, 2535, 960},
    {Kind::Option, u"Option6", u"Frame4", c::deleteByLength, 105, 210, 1380, 225},
    {Kind::Option, u"Option7", u"Frame4", c::attachByKind, 105, 525, 1485, 225},
    {Kind::Label, u"Label2", u"Frame4", c::counterReading, 1470, 210, 540, 250, Look::Panel},
    {Kind::Counter, u"VScroll1", u"Frame4", nullptr, 1995, 210, 225, 250},
    {Kind::Combo, u"Combo1", u"Frame4", nullptr, 1470, 525, 750, 300},
    {Kind::Button, u"Command6", u"Frame3", c::deleteButton, 210, 1575, 750, 330},
    {Kind::Button, u"Command7", u"Frame3", c::attachButton, 1050, 1575, 750, 330},
    // Auxiliary lists of the title tools; never shown.
    {Kind::Combo, u"Combo2", nullptr, nullptr, 0, 0, 0, 0, Look::Hidden},
    {Kind::Combo, u"Combo3", nullptr, nullptr, 0, 0, 0, 0, Look::Hidden},
};

const QColor Pink(255, 192, 192);

QFont listFont()
{
    QFont f = JapaneseDesktop::font(QStringLiteral("ＭＳ Ｐゴシック"), 9);
    f.setBold(true);
    return f;
}

QWidget *create(Kind kind, const QString &caption, QWidget *parent)
{
    switch (kind) {
    case Kind::Label:
        return new QLabel(caption, parent);
    case Kind::Field:
        return new NameBox(parent);
    case Kind::Titles: {
        auto *box = new TitleBox(parent);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setAcceptDrops(true);
        return box;
    }
    case Kind::Button:
        return new QPushButton(caption, parent);
    case Kind::Option:
        return new QRadioButton(caption, parent);
    case Kind::Check:
        return new QCheckBox(caption, parent);
    case Kind::Group:
        return new QGroupBox(caption, parent);
    case Kind::Counter: {
        auto *counter = new QScrollBar(Qt::Vertical, parent);
        counter->setRange(0, 9);
        counter->setSingleStep(1);
        counter->setPageStep(1);
        counter->setInvertedAppearance(true); // the top end is 9
        return counter;
    }
    case Kind::Combo:
        return new QComboBox(parent); // made editable once placed, see build()
    case Kind::List: {
        auto *list = new QListView(parent);
        list->setUniformItemSizes(true);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        return list;
    }
    }
    return nullptr;
}

void applyLook(QWidget *w, Look look)
{
    switch (look) {
    case Look::Plain:
        break;
    case Look::ListColumn: {
        w->setFont(listFont());
        QPalette p = w->palette();
        p.setColor(QPalette::Base, Pink);
        w->setPalette(p);
        break;
    }
    case Look::MoveButton:
        w->setFont(listFont());
        w->setStyleSheet(QStringLiteral("background-color: rgb(255, 192, 192);"));
        break;
    case Look::Panel: {
        auto *label = static_cast<QLabel *>(w);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        break;
    }
    case Look::OnEdge:
        w->setAutoFillBackground(true); // sits on the group box's top edge
        break;
    case Look::Hidden:
        w->hide();
        break;
    }
}

} // namespace

void Form1Controls::build(QWidget *client)
{
    const qreal dpi = client->logicalDpiY();
    auto px = [dpi](int twips) { return twipsToPixels(twips, dpi); };
    for (const Row &row : Rows) {
        QWidget *parent = row.parent ? client->findChild<QWidget *>(QString::fromUtf16(row.parent)) : client;
        QWidget *w = create(row.kind, row.caption ? row.caption() : QString(), parent);
        w->setObjectName(QString::fromUtf16(row.name));
        if (row.look != Look::Hidden)
            w->setGeometry(px(row.left), px(row.top), px(row.width), px(row.height));
        // Made editable while unplaced, a combo box sizes itself to its contents first. A hidden
        // list needs no text field (nor its completer): the program only adds and reads items.
        if (auto *combo = qobject_cast<QComboBox *>(w); combo && row.look != Look::Hidden) {
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
        }
        applyLook(w, row.look);
    }
    client->findChild<QWidget *>(QStringLiteral("Command9(1)"))->setToolTip(c::moveUpTip());
    client->findChild<QWidget *>(QStringLiteral("Command9(2)"))->setToolTip(c::moveDownTip());
    // The line-number column's right part (its scroll bar) lies under the title box.
    client->findChild<QWidget *>(QStringLiteral("List1"))->lower();
    client->findChild<QWidget *>(QStringLiteral("Command9(1)"))->raise();
    client->findChild<QWidget *>(QStringLiteral("Command9(2)"))->raise();
    client->findChild<QRadioButton *>(QStringLiteral("Option2"))->setChecked(true);
    client->findChild<QRadioButton *>(QStringLiteral("Option4"))->setChecked(true);
    client->findChild<QRadioButton *>(QStringLiteral("Option6"))->setChecked(true);
    client->findChild<QCheckBox *>(QStringLiteral("Check1"))->setChecked(true);
    client->findChild<QWidget *>(QStringLiteral("Command4"))->setEnabled(false);
}

} // namespace velnora
