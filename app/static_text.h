#pragma once

class QLabel;
class QString;
class QWidget;

// A dialog's fixed text, shown exactly as given: never read as rich text, so that an
// address or a notice with a "<" in it shows as written.
QLabel* StaticText(const QString& text, QWidget* parent);
