#pragma once

#include <optional>

#include "ColourScheme.h"
#include "SchemeStore.h"
#include "model/Message.h"

namespace trazello {

// The colour page of the settings window without its widgets: a working record edited on the
// panels, a modified flag, and what OK, Cancel and switching schemes do to the store. Picked
// colours take effect at once (the active record follows the working record) so that the user
// sees the change; Cancel restores what was active when the page was opened.
class SchemeEditor {
 public:
  explicit SchemeEditor(SchemeStore& store) : store_(store) {}

  // Opening the window: the working record becomes a copy of the active one.
  void open();

  int editedIndex() const { return edited_; }
  // Only the user schemes can be edited; the default scheme stays as built in.
  bool editable() const { return edited_ >= 1 && edited_ < SchemeStore::kCount; }
  const ColourScheme& working() const { return working_; }
  bool modified() const { return modified_; }

  // A colour confirmed in the picker for one panel. Ignored while the default is selected.
  void pickColour(SchemeSlot slot, ColorRef colour);
  // "Reset scheme to default".
  void resetToDefault();

  // The question to ask before another scheme is chosen, when there are unsaved changes.
  std::optional<Message> switchQuestion() const;
  // Choosing scheme `index`; `saveChanges` is the answer to switchQuestion(). Returns the error
  // when the edited scheme's file could not be written (the switch happens all the same).
  std::optional<Message> switchTo(int index, bool saveChanges);

  // OK: the working record becomes active and a user scheme is written to its file.
  std::optional<Message> accept();
  // Cancel: the active record and selection as they were when the window opened.
  void cancel();

 private:
  SchemeStore& store_;
  ColourScheme working_;
  ColourScheme savedActive_;
  int savedSelection_ = 0;
  int edited_ = 0;
  bool modified_ = false;
};

}  // namespace trazello
