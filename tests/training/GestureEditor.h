#pragma once

#include "gesture/GestureClock.h"
#include "gesture/GesturePlayer.h"
#include "support/ModalAnswers.h"
#include "support/TestApplication.h"

#include <QListWidget>
#include <QString>

#include <memory>
#include <string>

class CApprentissage;
class CDessin;
class CEnsemble;
class CExempleForm;
class CExempleView;
class CReconForm;
class QAbstractButton;

// Velmora started over a temporary data root with the gesture-set editor, a
// manual gesture clock, and what the tests of the editor do again and again.
class GestureEditor {
public:
    GestureEditor();
    ~GestureEditor();

    TestApplication& test() { return m_test; }
    GestureClock::Manual& clock() { return m_clock; }
    QString gestureFolder() const { return m_test.root() + "Gestes/"; }

    // Writes `set` into the gesture-set folder and opens it as a user would
    // through the application; its window becomes the active one.
    void open(CEnsemble& set, const QString& fileName);
    // The active gesture-set window; fails the test when there is none.
    CApprentissage* window();

    // The set of the active window.
    CEnsemble& set();
    CExempleForm& form();
    CExempleView& view();
    CReconForm& result();

    // A widget of the active window by its object name.
    template <typename Widget> Widget* widget(const QString& name) {
        Widget* found = windowWidget()->findChild<Widget*>(name);
        if (found == nullptr)
            missing(name);
        return found;
    }
    QString text(const QString& labelName);
    void click(const QString& buttonName);
    // Clicks the row showing `text` in list `listName`.
    void chooseRow(const QString& listName, const QString& text);
    QStringList rows(const QString& listName);
    QString selectedRow(const QString& listName);
    void typeName(const QString& editName, const QString& text);

    // Draws `drawing` in the drawing area as the mouse would and ends the gesture.
    void draw(const CDessin& drawing);
    // Draws the drawing, then adds it as an example named `name`.
    void addExample(const CDessin& drawing, const QString& name);

    std::string fileText(const QString& fileName) const;

private:
    template <typename Pane> Pane& find() { return *windowWidget()->findChild<Pane*>(); }
    QWidget* windowWidget();
    static void missing(const QString& name);

    GestureClock::Manual m_clock;
    TestApplication m_test;
};

// Generated drawings about 120 pixels across, inside the drawing area.
std::unique_ptr<CDessin> horizontalLine(std::uint32_t seed);
std::unique_ptr<CDessin> verticalLine(std::uint32_t seed);
std::unique_ptr<CDessin> circle(std::uint32_t seed);
std::unique_ptr<CDessin> scribble(std::uint32_t seed);
// A drawing of flowchart command `code` (202..217).
std::unique_ptr<CDessin> command(int code, std::uint32_t seed);
