// Where Qt calls into our code. Every slot runs its handler through runHandler: an exception
// that escapes the handler abandons it there and is shown in the error box, and the program
// carries on. No exception ever travels through Qt (a signal emission or the event loop).
#pragma once

#include <QString>
#include <exception>

class QWidget;

namespace plenova {

// The error box: the description followed by a full stop, the application title as caption,
// an error icon and an OK button. Returns when the user has closed it.
void showErrorBox(QWidget* owner, const QString& description);

// Runs handler; on an exception, runs abandon (to stop whatever Qt would otherwise repeat while
// the box is open), then shows the error box. Returns whether the handler completed.
template <typename Handler, typename Abandon>
bool runHandler(QWidget* owner, Handler&& handler, Abandon&& abandon) noexcept {
    QString description;
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        description = QString::fromUtf8(error.what());
    } catch (...) {
        description = QStringLiteral("Unknown error");
    }
    abandon();
    showErrorBox(owner, description);
    return false;
}

template <typename Handler>
bool runHandler(QWidget* owner, Handler&& handler) noexcept {
    return runHandler(owner, static_cast<Handler&&>(handler), [] {});
}

}  // namespace plenova
