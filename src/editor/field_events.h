#pragma once

#include <QChar>
#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace kz {

// Turns the raw events of one control into the editor's events: enter and exit of an edit
// field, key press, double click and mouse move.
//
// Enter and exit are focus moves inside the window. A focus change caused by the window losing
// or gaining activation, by a popup (a message box opening, a menu, another application) or by
// the menu bar taking the keyboard is neither an exit nor an enter: otherwise a warning box would
// run the field's exit check, and closing it would empty the field it returns to.
class FieldEvents final : public QObject {
public:
    std::function<void()> onEnter;
    std::function<void()> onExit;
    // Returns true when the key is swallowed.
    std::function<bool(QKeyEvent*)> onKey;
    std::function<void()> onDoubleClick;
    // Only moves over the control's own area count, not over its enabled child controls; a
    // disabled child passes the move to its nearest enabled parent.
    std::function<void()> onMouseMove;

    // Installs a new filter on `widget`, owned by `owner`: when the owner (the page editor whose
    // handlers the callbacks call) goes, the filter goes with it, so a widget that outlives its
    // editor never calls into a destroyed one. Set the callbacks on the result.
    static FieldEvents& on(QWidget* widget, QObject* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FieldEvents(QObject* parent) : QObject(parent) {}
};

// Enter or Return: ends the entry of a field.
bool isEnterKey(const QKeyEvent* event);
// The character a key press types, judged by the fields' key filters: the printable character,
// or kz::kBackspaceKey for backspace. Null for keys that type nothing (caret movement, function
// keys, shortcuts); those are left to the field and the window.
QChar typedCharacter(const QKeyEvent* event);

// The key filter of the settings pages' whole-number fields: Enter ends the entry by moving the
// focus to `focusSink`; a digit, backspace or a key that types nothing passes; any other key is
// swallowed after "Please insert a numeric!" (the focus stays in the field, text and all).
// Returns true when the key is swallowed.
bool integerFieldKey(QKeyEvent* event, QWidget* focusSink);

// Gives `field` the focus again once the message box that refused its text has closed (it then
// runs its enter step). Only a field the user can reach takes it: enabled and on the page shown.
void focusBackLater(QWidget* field);

} // namespace kz
