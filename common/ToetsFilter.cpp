#include "common/ToetsFilter.h"
#include "common/P_AlgemeneFunctiesUI.h"

#include <QApplication>
#include <QChildEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace Orvo {
namespace {

constexpr char16_t Backspace = 8, Enter = 13, Escape = 27;

bool isBasisToets(QChar c) {
    return c == QChar(Backspace) || c == QChar(Enter) || c == QChar(Escape) || c.isDigit();
}

int tagVan(const QObject* o) {
    return o->property("Tag").toInt();
}

void installeerOpAlles(QObject* object, ToetsFilter* filter) {
    object->installEventFilter(filter);
    for (QObject* kind : object->children())
        if (kind->isWidgetType())
            installeerOpAlles(kind, filter);
}

// Decides what happens to a typed character in an edit with Tag 1 or 2; returns false to drop it.
bool filterEdit(QLineEdit* edit, QChar& c) {
    const int tag = tagVan(edit);
    if (tag == 1)
        return isBasisToets(c);
    if (tag == 2) {
        if (isBasisToets(c))
            return true;
        const bool selectie = edit->hasSelectedText();
        if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            const QString scheiding = QLocale().decimalPoint();
            if (!edit->text().contains(scheiding) || selectie) {
                c = scheiding.at(0);
                return true;
            }
            return false;
        }
        if (c == QLatin1Char('-')) {
            if (edit->cursorPosition() > 0 && !selectie)
                return false;
            return !(edit->text().contains(QLatin1Char('-')) && !selectie);
        }
        return false;
    }
    return true;
}

// Moves the focus to the next control in tab order within the form, as Tab would.
void VolgendeControl(QWidget* van) {
    QWidget* w = van;
    while ((w = w->nextInFocusChain()) && w != van) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() &&
            w->window() == van->window()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace

ToetsFilter::ToetsFilter(QWidget* form, bool formToetsen)
    : QObject(form), m_form(form), m_formToetsen(formToetsen) {}

bool ToetsFilter::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::ChildAdded) {
        auto* kind = static_cast<QChildEvent*>(event)->child();
        if (kind->isWidgetType())
            installeerOpAlles(kind, this);
        return false;
    }
    // Keys in another window (a dialog opened from this form) are that window's business.
    if (auto* widget = qobject_cast<QWidget*>(object); !widget || widget->window() != m_form->window())
        return false;
    if (event->type() == QEvent::KeyRelease && m_formToetsen && object != m_form) {
        auto* toets = static_cast<QKeyEvent*>(event);
        switch (toets->key()) {
        case Qt::Key_F5:
        case Qt::Key_F6:
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            QKeyEvent kopie(QEvent::KeyRelease, toets->key(), toets->modifiers(), toets->text());
            QCoreApplication::sendEvent(m_form, &kopie);
            return true;
        }
        default:
            return false;
        }
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    QWidget* actief = m_form->focusWidget();
    if (object != actief)
        return false; // each key is judged once, at the control that has the focus
    auto* toets = static_cast<QKeyEvent*>(event);
    const QString tekst = toets->text();
    if (tekst.size() != 1)
        return false; // not a character: arrows, function keys and the like pass
    QChar c = tekst.at(0);
    const QChar oorspronkelijk = c;
    bool doorlaten = true;
    if (auto* edit = qobject_cast<QLineEdit*>(actief)) {
        doorlaten = filterEdit(edit, c);
    } else if (auto* combo = qobject_cast<QComboBox*>(actief); combo && tagVan(combo) == 1) {
        doorlaten = isBasisToets(c);
        if (doorlaten && c == QChar(Backspace))
            combo->setCurrentIndex(-1);
    }
    if (!doorlaten) {
        Piep();
        return true;
    }
    if (c == QChar(Enter) && !qobject_cast<QPlainTextEdit*>(actief) && !qobject_cast<QTextEdit*>(actief)) {
        VolgendeControl(actief);
        return true;
    }
    if (c != oorspronkelijk) {
        QKeyEvent vervangen(QEvent::KeyPress, toets->key(), toets->modifiers(), QString(c));
        QCoreApplication::sendEvent(object, &vervangen);
        return true;
    }
    return false;
}

void InstalleerToetsFilter(QWidget* form, bool formToetsen) {
    auto* filter = new ToetsFilter(form, formToetsen);
    installeerOpAlles(form, filter);
}

} // namespace Orvo
