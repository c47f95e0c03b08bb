#include "SchemeEditor.h"

namespace trazello {

void SchemeEditor::open() {
  working_ = store_.active();
  savedActive_ = store_.active();
  savedSelection_ = store_.selected();
  edited_ = store_.selected();
  modified_ = false;
}

void SchemeEditor::pickColour(SchemeSlot slot, ColorRef colour) {
  if (!editable()) return;
  working_[slot] = colour;
  store_.setActive(working_);
  modified_ = true;
}

void SchemeEditor::resetToDefault() {
  if (!editable()) return;
  working_ = defaultScheme();
  modified_ = true;
}

std::optional<Message> SchemeEditor::switchQuestion() const {
  if (!modified_) return std::nullopt;
  return Message{MessageKind::Question, MessageId::SaveColourChanges, {}};
}

std::optional<Message> SchemeEditor::switchTo(int index, bool saveChanges) {
  std::optional<Message> failure;
  if (modified_ && saveChanges) failure = store_.writeUserScheme(edited_, working_);
  modified_ = false;
  store_.reloadFiles();
  store_.select(index);
  working_ = store_.active();
  edited_ = store_.selected();
  return failure;
}

std::optional<Message> SchemeEditor::accept() {
  store_.setActive(working_);
  if (!editable()) return std::nullopt;
  return store_.writeUserScheme(edited_, working_);
}

void SchemeEditor::cancel() {
  store_.select(savedSelection_);
  store_.setActive(savedActive_);
}

}  // namespace trazello
