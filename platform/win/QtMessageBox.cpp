#include "platform/win/QtMessageBox.h"

#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPushButton>

#include "platform/win/WinApi.h"

namespace detail {
namespace {

QMessageBox::Icon IconOf(UINT flags) {
  switch (flags & MB_ICONMASK) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

struct TButtonSet {
  std::vector<QMessageBox::StandardButton> buttons;
  int closeAnswer;  // what closing the box without a button answers
};

TButtonSet ButtonsOf(UINT flags) {
  switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{QMessageBox::Ok, QMessageBox::Cancel}, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {{QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore}, IDABORT};
    case MB_YESNOCANCEL: return {{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}, IDCANCEL};
    case MB_YESNO: return {{QMessageBox::Yes, QMessageBox::No}, IDNO};
    case MB_RETRYCANCEL: return {{QMessageBox::Retry, QMessageBox::Cancel}, IDCANCEL};
    default: return {{QMessageBox::Ok}, IDOK};
  }
}

int AnswerOf(QMessageBox::StandardButton button, int closeAnswer) {
  switch (button) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Abort: return IDABORT;
    case QMessageBox::Retry: return IDRETRY;
    case QMessageBox::Ignore: return IDIGNORE;
    default: return closeAnswer;
  }
}

}  // namespace

int ShowQtMessageBox(const std::string& text, const std::string& caption, UINT flags) {
  QMessageBox box(IconOf(flags), QString::fromStdString(caption), QString::fromStdString(text));
  TButtonSet set = ButtonsOf(flags);
  for (QMessageBox::StandardButton b : set.buttons) box.addButton(b);
  std::size_t defaultIndex = (flags & MB_DEFMASK) >> 8;
  if (defaultIndex < set.buttons.size()) box.setDefaultButton(set.buttons[defaultIndex]);
  if (flags & (MB_TOPMOST | MB_SYSTEMMODAL)) box.setWindowFlag(Qt::WindowStaysOnTopHint);

  bool answered = false;
  QObject::connect(&box, &QMessageBox::finished, [&answered](int) { answered = true; });
  box.open();
  RunModalLoop(nullptr, [&answered] { return answered; });
  if (!answered) return set.closeAnswer;  // the application is quitting
  QAbstractButton* clicked = box.clickedButton();
  return AnswerOf(clicked ? box.standardButton(clicked) : QMessageBox::NoButton, set.closeAnswer);
}

}  // namespace detail
