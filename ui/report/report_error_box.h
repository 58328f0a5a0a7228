// The application's error box for the report: the error's description followed by a full
// stop, under the application's title. Errors never travel through Qt: every slot of the
// report that Qt calls runs its work through runShowingErrors().
#pragma once

#include <QString>
#include <exception>

class QWidget;

namespace plenova {

void showReportErrorBox(QWidget* parent, const QString& description);

template <class Action>
void runShowingErrors(QWidget* parent, Action&& action) {
    try {
        action();
    } catch (const std::exception& error) {
        showReportErrorBox(parent, QString::fromUtf8(error.what()));
    } catch (...) {
        showReportErrorBox(parent, QStringLiteral("Unknown error"));
    }
}

}  // namespace plenova
