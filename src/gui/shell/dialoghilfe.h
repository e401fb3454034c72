// Small builders shared by the dialogs: a named push button with its hint,
// and the line of a check list that is either a heading or a question.
#pragma once

class QListWidgetItem;
class QPushButton;
class QWidget;

namespace quarnel::gui {

// A button that never becomes the default, so that Enter keeps its own meaning.
QPushButton* DialogKnopf(QWidget* eltern, const char* name, const char* text,
                         const char* hinweis = nullptr);

// A heading is bold and cannot be ticked; a question gets a check box.
void ListenpunktArt(QListWidgetItem* item, bool ueberschrift);

}  // namespace quarnel::gui
