#include "Translations.h"

#include "GameWindow.h"
#include "ModalWait.h"
#include "QtDialogs.h"
#include "ScriptedDialogs.h"
#include "WindowSet.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "frmSplash.h"
#include "frmTrellic.h"

#include <QAccessible>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRegion>
#include <QTest>

// Trellic in each of its languages: the catalogues load, Qt's own words follow, every
// text fits the control the design gives it, and every control stands where the design
// puts it, mirrored for a language written from right to left.
class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void languageIsTheFirstSpoken_data();
    void languageIsTheFirstSpoken();
    void everyLanguageSpeaksAndFits_data();
    void everyLanguageSpeaksAndFits();
};

namespace {

const QStringList Languages = {
    QStringLiteral("ar"),    QStringLiteral("cs"),    QStringLiteral("de"),
    QStringLiteral("es"),    QStringLiteral("fr"),    QStringLiteral("he"),
    QStringLiteral("hu"),    QStringLiteral("id"),    QStringLiteral("it"),
    QStringLiteral("ja"),    QStringLiteral("ko"),    QStringLiteral("nl"),
    QStringLiteral("pl"),    QStringLiteral("pt_BR"), QStringLiteral("ru"),
    QStringLiteral("sv"),    QStringLiteral("tr"),    QStringLiteral("uk"),
    QStringLiteral("zh_CN"), QStringLiteral("zh_TW")};

// A name with what looks like markup and a place marker: it must come through as typed.
const QString OddName = QStringLiteral("%1 <b>x</b> &amp;");

// Room a push button's face keeps around its caption, each side.
constexpr int ButtonMargin = 3;
// Room a group box's title keeps from the box's ends.
constexpr int TitleIndent = 8;

// Where a label's text leaves ink, in the label's coordinates, wherever that is: the
// text drawn as the label draws it, but unclipped. (A line of Japanese is taller than
// the line of Latin text a label was designed for, but its glyphs still fit.)
QRegion ink(const QLabel* label)
{
    const int flags = static_cast<int>(label->alignment()) |
                      (label->wordWrap() ? static_cast<int>(Qt::TextWordWrap) : 0);
    const QRect contents = label->contentsRect();
    const QPoint room(contents.width(), contents.height());
    QImage image(contents.size() * 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(label->font());
    painter.drawText(QRect(room, contents.size()), flags, label->text());
    painter.end();
    QRegion inked;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            int end = x;
            while (end < image.width() && qGray(image.pixel(end, y)) < 160) {
                ++end;
            }
            if (end > x) {
                inked += QRect(x, y, end - x, 1);
                x = end;
            }
        }
    }
    return inked.translated(contents.topLeft() - room);
}

// A glyph may reach a pixel past its label's edge, as the font draws it.
constexpr int Overhang = 1;

// Every control of `window` whose caption does not fit it, with the caption.
QStringList clipped(const QWidget* window)
{
    QStringList found;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const QRect room = label->contentsRect().adjusted(-Overhang, -Overhang, Overhang, Overhang);
        if (!label->text().isEmpty() && !ink(label).subtracted(room).isEmpty()) {
            found << label->objectName() + QStringLiteral(": ") + label->text();
        }
    }
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        const QSize needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        if (needed.width() + 2 * ButtonMargin > button->width() ||
            needed.height() > button->height()) {
            found << button->objectName() + QStringLiteral(": ") + button->text();
        }
    }
    for (const QGroupBox* box : window->findChildren<QGroupBox*>()) {
        if (box->fontMetrics().horizontalAdvance(box->title()) + 2 * TitleIndent > box->width()) {
            found << box->objectName() + QStringLiteral(": ") + box->title();
        }
    }
    return found;
}

// On the splash the labels size themselves to their text: no glyph may run past the
// frame or over another text or the logo.
QStringList overlapping(const frmSplash* splash)
{
    const auto* frame = splash->findChild<QGroupBox*>(QStringLiteral("Frame1"));
    QList<QPair<QString, QRegion>> placed;
    for (const QLabel* label : frame->findChildren<QLabel*>()) {
        placed.append({label->objectName(), label->text().isEmpty()
                                                ? QRegion(label->geometry())
                                                : ink(label).translated(label->pos())});
    }
    QStringList found;
    for (qsizetype i = 0; i < placed.size(); ++i) {
        if (!placed[i].second.subtracted(frame->contentsRect()).isEmpty()) {
            found << placed[i].first + QStringLiteral(" leaves the frame");
        }
        for (qsizetype j = i + 1; j < placed.size(); ++j) {
            if (placed[i].second.intersects(placed[j].second)) {
                found << placed[i].first + QStringLiteral(" covers ") + placed[j].first;
            }
        }
    }
    return found;
}

// Where each named control of `window` stands in its container, as placed by hand
// rather than by a layout. The splash's self-sizing labels are left out: their size is
// their text's.
QHash<QString, QRect> places(const QWidget* window)
{
    static const QStringList selfSizing = {"lblVersion", "lblPlatform", "lblProductName",
                                           "lblCompanyProduct"};
    QHash<QString, QRect> found;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !widget->isWindow() &&
            widget->parentWidget()->layout() == nullptr && !selfSizing.contains(name)) {
            found.insert(name, widget->geometry());
        }
    }
    return found;
}

// Each window's places in English, as designed.
QHash<QString, QHash<QString, QRect>>& designedPlaces()
{
    static QHash<QString, QHash<QString, QRect>> windows;
    return windows;
}

// The side each label's text keeps to, in English, as designed: left or right.
QHash<QString, Qt::Alignment> sides(const QWidget* window)
{
    QHash<QString, Qt::Alignment> found;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        found.insert(label->objectName(), label->alignment() & (Qt::AlignLeft | Qt::AlignRight));
    }
    return found;
}

QHash<QString, QHash<QString, Qt::Alignment>>& designedSides()
{
    static QHash<QString, QHash<QString, Qt::Alignment>> windows;
    return windows;
}

// Every label whose text, as drawn, does not keep to its designed side (the other side
// in a language written from right to left), whatever the script of the text.
QStringList misaligned(const QWidget* window, bool mirrored)
{
    QStringList found;
    const QHash<QString, Qt::Alignment>& designed = designedSides()[window->objectName()];
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const Qt::Alignment side = designed.value(label->objectName());
        if (label->text().isEmpty() || side == Qt::Alignment()) {
            continue;
        }
        const QImage image = label->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        int first = image.width();
        int last = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 160) {
                    first = qMin(first, x);
                    last = qMax(last, x);
                }
            }
        }
        const QRect contents = label->contentsRect();
        const bool keepsRight = qAbs(last / ratio - contents.right()) <= 3;
        const bool keepsLeft = qAbs(first / ratio - contents.left()) <= 3;
        if ((side == Qt::AlignRight) != mirrored ? !keepsRight : !keepsLeft) {
            found << label->objectName() + QStringLiteral(" is aligned to the wrong side");
        }
    }
    return found;
}

// Every control that does not stand where the design puts it: exactly there, or in a
// language written from right to left at the same distance from its container's right
// edge; every label's text at its side; and the menu bar's first menu at the side where
// reading starts.
QStringList misplaced(const QWidget* window)
{
    const bool mirrored = QGuiApplication::isRightToLeft();
    QStringList found = misaligned(window, mirrored);
    const QHash<QString, QRect> now = places(window);
    const QHash<QString, QRect>& designed = designedPlaces()[window->objectName()];
    for (auto place = designed.begin(); place != designed.end(); ++place) {
        QRect expected = place.value();
        if (mirrored) {
            const int width = window->findChild<QWidget*>(place.key())->parentWidget()->width();
            expected.moveLeft(width - expected.left() - expected.width());
        }
        if (now.value(place.key()) != expected) {
            found << place.key() + QStringLiteral(" is not where it belongs");
        }
    }
    if (const auto* main = qobject_cast<const QMainWindow*>(window)) {
        const QRect first = main->menuBar()->actionGeometry(main->menuBar()->actions().first());
        if ((first.center().x() > window->width() / 2) != mirrored) {
            found << QStringLiteral("the menus start at the wrong side");
        }
    }
    return found;
}

// Every cell whose name, as a screen reader says it, is not where it stands on the screen.
QStringList misnamedCells(const frmTrellic* window)
{
    static const char* const Places[] = {"Top left",    "Top middle",    "Top right",
                                         "Middle left", "Centre",        "Middle right",
                                         "Bottom left", "Bottom middle", "Bottom right"};
    QStringList found;
    const QWidget* client = window->centralWidget();
    for (QPushButton* cell : client->findChildren<QPushButton*>()) {
        // The board's columns are 96 pixels apart, its rows 88.
        const QPoint middle = cell->geometry().center();
        const int place = middle.y() / 88 * 3 + middle.x() / 96;
        const QString name = QCoreApplication::translate("frmTrellic", Places[place]);
        if (!QAccessible::queryAccessibleInterface(cell)
                 ->text(QAccessible::Name)
                 .startsWith(name)) {
            found << cell->objectName() + QStringLiteral(" is not called ") + name;
        }
    }
    return found;
}

// Opens the real box or prompt for what the game window showed, and tells what of it is
// clipped or left in English.
QStringList checkRealDialog(const QString& shown)
{
    QStringList found;
    whenModalOpen([&found](QWidget* dialog) {
        found << clipped(dialog);
        for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            if (button->text() == QLatin1String("Cancel") ||
                button->text() == QLatin1String("&Cancel")) {
                found << QStringLiteral("Qt's Cancel is English");
            }
        }
        if (dialog->width() > dialog->screen()->availableGeometry().width()) {
            found << QStringLiteral("wider than the screen");
        }
        dialog->close();
    });
    if (shown.startsWith(QLatin1String("prompt: "))) {
        const QStringList parts = shown.mid(8).split(QStringLiteral(" | "));
        QtDialogs().inputBox(parts.value(0), parts.value(1), parts.value(2));
    } else {
        QtDialogs().messageBox(shown.mid(5)); // after "box: "
    }
    return found;
}

} // namespace

// Fails with what was found, if anything.
#define expectNone(found)                                                                          \
    do {                                                                                           \
        const QStringList problems = (found);                                                      \
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));             \
    } while (false)

void TranslationsTest::initTestCase()
{
    ScriptedDialogs dialogs;
    dialogs.answer(QStringLiteral("Ann"));
    dialogs.answer(QStringLiteral("Bob"));
    {
        GameWindow game(dialogs);
        designedPlaces()[game.window()->objectName()] = places(game.window());
        designedSides()[game.window()->objectName()] = sides(game.window());
    }
    for (QWidget* window : {static_cast<QWidget*>(WindowSet::show<frmSplash>()),
                            static_cast<QWidget*>(WindowSet::show<frmHelp>()),
                            static_cast<QWidget*>(WindowSet::show<frmAbout>())}) {
        designedPlaces()[window->objectName()] = places(window);
        designedSides()[window->objectName()] = sides(window);
    }
    WindowSet::unloadAll();
}

void TranslationsTest::cleanup()
{
    WindowSet::unloadAll();
    Translations::install(QLocale::c());
}

void TranslationsTest::languageIsTheFirstSpoken_data()
{
    QTest::addColumn<QStringList>("system"); // as QLocale::uiLanguages() lists them
    QTest::addColumn<QString>("expected");
    QTest::newRow("German") << QStringList{"de-DE", "de-Latn-DE", "de"} << "de";
    QTest::newRow("Austrian German") << QStringList{"de-AT", "de-Latn-AT", "de"} << "de";
    QTest::newRow("Brazilian") << QStringList{"pt-BR", "pt-Latn-BR", "pt"} << "pt_BR";
    QTest::newRow("Chinese") << QStringList{"zh-CN", "zh-Hans-CN", "zh"} << "zh_CN";
    QTest::newRow("Taiwanese") << QStringList{"zh-Hant-TW", "zh-TW", "zh"} << "zh_TW";
    QTest::newRow("Hong Kong") << QStringList{"zh-Hant-HK", "zh-HK", "zh"} << "zh_TW";
    QTest::newRow("European Portuguese") << QStringList{"pt-PT", "pt-Latn-PT", "pt"} << "pt_BR";
    QTest::newRow("unspoken, then French") << QStringList{"fi-FI", "fi", "fr-FR"} << "fr";
    QTest::newRow("English first") << QStringList{"en-GB", "en", "de-DE"} << "";
    QTest::newRow("plain English") << QStringList{"en"} << "";
    QTest::newRow("C locale") << QStringList{"C"} << "";
    QTest::newRow("none spoken") << QStringList{"fi-FI", "da-DK"} << "";
    QTest::newRow("nothing") << QStringList{} << "";
}

void TranslationsTest::languageIsTheFirstSpoken()
{
    QFETCH(QStringList, system);
    QFETCH(QString, expected);
    QCOMPARE(Translations::firstSpoken(system, Languages), expected);
}

void TranslationsTest::everyLanguageSpeaksAndFits_data()
{
    QTest::addColumn<QString>("language");
    QCOMPARE(Translations::available(), Languages);
    for (const QString& language : Languages) {
        QTest::newRow(language.toLatin1().constData()) << language;
    }
}

void TranslationsTest::everyLanguageSpeaksAndFits()
{
    QFETCH(QString, language);
    Translations::install(QLocale(language));
    QCOMPARE(Translations::current(), language);

    ScriptedDialogs dialogs;
    dialogs.answer(OddName);
    dialogs.answer(QStringLiteral("Bob"));
    {
        GameWindow game(dialogs);
        frmTrellic* window = game.window();
        QVERIFY(window->findChild<QAction*>(QStringLiteral("mnuFileNGame"))->text() !=
                QLatin1String("New Game"));
        expectNone(clipped(window));
        expectNone(misplaced(window));
        expectNone(misnamedCells(window));
        QVERIFY(window->menuBar()->sizeHint().width() <= window->width());
        game.play({1, 4, 2, 5, 3});
        window->findChild<QAction*>(QStringLiteral("mnuFileNGame"))->trigger();
        game.play({1, 2, 3, 5, 4, 6, 8, 7, 9});
    }
    // Two prompts, the winner and the tie; the name stays as typed.
    QCOMPARE(dialogs.shown.size(), 4);
    const QString winner =
        QCoreApplication::translate("frmTrellic", "%1 is the winner!").arg(OddName);
    QCOMPARE(dialogs.shown.at(2), QStringLiteral("box: ") + winner);
    QCOMPARE(winner.count(OddName), 1);
    QVERIFY(winner != OddName + QStringLiteral(" is the winner!"));
    for (const QString& shown : dialogs.shown) {
        expectNone(checkRealDialog(shown));
    }

    auto* splash = WindowSet::show<frmSplash>();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    const auto* logo = splash->findChild<QLabel*>(QStringLiteral("imgLogo"));
    QTRY_VERIFY(!logo->pixmap().isNull());
    expectNone(clipped(splash));
    expectNone(overlapping(splash));
    expectNone(misplaced(splash));
    WindowSet::unload(splash);

    for (QWidget* window : {static_cast<QWidget*>(WindowSet::show<frmHelp>()),
                            static_cast<QWidget*>(WindowSet::show<frmAbout>())}) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        expectNone(clipped(window));
        expectNone(misplaced(window));
    }
    auto* about = WindowSet::loaded<frmAbout>();
    QVERIFY(about->windowTitle().contains(QLatin1String("Trellic")));
    QVERIFY(about->windowTitle() != QLatin1String("About Trellic"));
}

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
