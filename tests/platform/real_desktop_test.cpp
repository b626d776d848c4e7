// The desktop of a real run does its own work with paths, files and dialogs: checked here on the real
// backend, started from a folder that is not the program folder, as a launcher starts it.
#include "platform/real_desktop.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontDialog>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPointer>
#include <QTextDocument>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/controls.h"
#include "platform/files.h"
#include "support/fifo_watch.h"
#include "support/test_program.h"

namespace {

namespace fs = std::filesystem;

class PictureWindow : public platform::Form {
 public:
  explicit PictureWindow(platform::Desktop& d) : platform::Form(d, "PictureWindow") {}
  platform::Image Image1{*this, "Image1"};
  platform::CommonDialog Cg1{*this, "Cg1"};
};

// The program folder as installed, and a current folder elsewhere for the length of a test.
class RealDesktop : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy(TALLAMO_DATA_DIR, program.path(), fs::copy_options::recursive);
    previous = fs::current_path();
    fs::current_path(elsewhere.path());
    setenv("TALLAMO_PROGRAM_FOLDER", program.str().c_str(), 1);
  }
  void TearDown() override {
    unsetenv("TALLAMO_PROGRAM_FOLDER");
    fs::current_path(previous);
  }
  testing_support::TempFolder program;
  testing_support::TempFolder elsewhere;
  fs::path previous;
};

}  // namespace

TEST_F(RealDesktop, StoredRelativePathsAreTakenFromTheProgramFolderWhereverTheProgramStarts) {
  platform::RealDesktop desktop("Tallamo");
  EXPECT_EQ(desktop.programFolder(), program.str());
  EXPECT_EQ(platform::resolvePath("background\\stage_zf.jpg"),
            (program.path() / "background" / "stage_zf.jpg").string());
  EXPECT_TRUE(platform::fileExists("sound\\TimeOut\\Default.wav")) << "letter case ignored too";
  EXPECT_TRUE(platform::fileExists(desktop.programPath("\\config\\main.ini")));

  PictureWindow window(desktop);
  window.Load();
  EXPECT_TRUE(window.Image1.loadPicture("background\\stage_zf.jpg"));
  EXPECT_TRUE(window.loadPicture("background\\transition1.jpg"));
  window.Unload();
}

TEST_F(RealDesktop, TheOpenDialogStartsInAStoredFolderOfTheProgramAndSpeaksChinese) {
  platform::RealDesktop desktop("Tallamo");
  PictureWindow window(desktop);
  window.Load();
  fs::create_directory(program.path() / "sound" / "cite" / "旧曲");
  window.Cg1.InitDir = "sound\\cite";
  window.Cg1.Filter = "MP3文件(*.MP3)|*.MP3|所有文件(*.*)|*.*|";
  window.Cg1.FilterIndex = 1;

  QString folder;
  QStringList buttons, rows;
  QTimer::singleShot(50, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    folder = dialog->directory().absolutePath();
    for (auto* button : dialog->findChildren<QAbstractButton*>())
      if (button->isVisible()) buttons << button->text();
    // The detailed list, once the folder has been read: type and date columns.
    dialog->setViewMode(QFileDialog::Detail);
    auto* list = dialog->findChild<QAbstractItemView*>(QStringLiteral("treeView"));
    QElapsedTimer waited;
    waited.start();
    while (list && list->model()->rowCount(list->rootIndex()) < 3 && waited.elapsed() < 5000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    for (int row = 0; list && row < list->model()->rowCount(list->rootIndex()); ++row) {
      QStringList cells;
      for (int column = 0; column < 4; ++column)
        cells << list->model()->index(row, column, list->rootIndex()).data().toString();
      rows << cells.join('|');
    }
    dialog->reject();
  });
  EXPECT_FALSE(window.Cg1.ShowOpen()) << "cancelled";
  EXPECT_EQ(folder.toStdString(), (program.path() / "sound" / "cite").string());
  EXPECT_TRUE(buttons.contains(QString::fromUtf8("取消"))) << buttons.join(',').toStdString();
  EXPECT_FALSE(buttons.contains(QStringLiteral("Cancel")));
  const QString today =
      QLocale(QLocale::Chinese, QLocale::China).toString(QDate::currentDate(), QLocale::ShortFormat);
  rows.sort();  // the list may not be sorted yet
  ASSERT_EQ(rows.size(), 3) << rows.join('\n').toStdString();
  EXPECT_TRUE(rows[0].startsWith(QString::fromUtf8("Default.mp3|")) &&
              rows[0].contains(QString::fromUtf8("|mp3 文件|")))
      << rows[0].toStdString();
  EXPECT_TRUE(rows[2].startsWith(QString::fromUtf8("旧曲||文件夹|") + today)) << rows[2].toStdString();
  window.Unload();
}

TEST_F(RealDesktop, TheFontAndColourDialogsGiveTheirChoiceAndOpenAtTheLastOne) {
  platform::RealDesktop desktop("Tallamo");
  PictureWindow window(desktop);
  window.Load();

  // The user picks a family, the bold style and 36 points in the dialog's lists.
  QTimer::singleShot(50, [] {
    auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
    const auto lists =
        dialog ? dialog->findChildren<QListView*>() : QList<QListView*>();  // family, style, size
    if (lists.size() < 3) return;
    const QString entries[] = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Bold"),
                               QStringLiteral("36")};
    for (int i = 0; i < 3; ++i) {
      const auto found =
          lists[i]->model()->match(lists[i]->model()->index(0, 0), Qt::DisplayRole, entries[i]);
      if (!found.isEmpty()) lists[i]->setCurrentIndex(found.front());
    }
    dialog->accept();
  });
  ASSERT_TRUE(window.Cg1.ShowFont());
  EXPECT_EQ(window.Cg1.FontName, "Noto Sans CJK SC");
  EXPECT_EQ(window.Cg1.FontSize, 36.0f);
  EXPECT_TRUE(window.Cg1.FontBold && !window.Cg1.FontItalic);

  QFont openedWith;
  QTimer::singleShot(50, [&] {
    if (auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget())) {
      openedWith = dialog->currentFont();
      dialog->reject();
    }
  });
  EXPECT_FALSE(window.Cg1.ShowFont());
  EXPECT_TRUE(openedWith.bold() && openedWith.pointSize() == 36) << "bold, whatever the style is called";
  EXPECT_EQ(window.Cg1.FontSize, 36.0f) << "Cancel changes nothing";

  for (bool accept : {true, false}) {
    QTimer::singleShot(50, [accept] {
      if (auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
        dialog->setCurrentColor(QColor(10, 20, 30));
        accept ? dialog->accept() : dialog->reject();
      }
    });
    EXPECT_EQ(window.Cg1.ShowColor(), accept);
  }
  EXPECT_EQ(window.Cg1.Color, 10 + 256 * 20 + 65536 * 30);
  window.Unload();
}

// The report's Save As: the proposed name over an existing file is taken as it stands, without a
// question and without an extension; the clipboard is given the text.
TEST_F(RealDesktop, TheSaveDialogAsksNothingAndAddsNoExtensionAndTheClipboardTakesText) {
  platform::RealDesktop desktop("Tallamo");
  PictureWindow window(desktop);
  window.Load();
  const fs::path existing = program.path() / "辩论赛报表";
  ASSERT_TRUE(platform::writeFileAtomically(existing.string(), "old"));
  window.Cg1.DialogTitle = "另存为";
  window.Cg1.Filter = "文本文件(*.TXT)|*.TXT";
  window.Cg1.FileName = "辩论赛报表";

  QString title;
  int questions = 0;
  QTimer::singleShot(50, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    title = dialog->windowTitle();
    // A question about the existing file would be a second modal window: it is counted and refused,
    // and the dialog cancelled. The look ends with the dialog, so that it cannot meet a later test's.
    QTimer::singleShot(200, dialog, [&, dialog = QPointer<QFileDialog>(dialog)] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        ++questions;
        box->reject();
      }
      if (dialog) dialog->reject();
    });
    static_cast<QDialog*>(dialog)->accept();  // the dialog's own OK
  });
  EXPECT_TRUE(window.Cg1.ShowSave());
  QApplication::processEvents();
  EXPECT_EQ(title.toStdString(), "另存为");
  EXPECT_EQ(questions, 0);
  EXPECT_EQ(fs::path(window.Cg1.FileName), existing);
  window.Unload();

  desktop.setClipboardText("第一行\r\n第二行");
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "第一行\r\n第二行");
}

// A name typed into the save dialog is the file written: a file whose name differs only in letter
// case stays as it was, and a '\' is a character of the name, not a folder.
TEST_F(RealDesktop, TheFileTypedIntoTheSaveDialogIsWrittenUnderExactlyThatName) {
  platform::RealDesktop desktop("Tallamo");
  PictureWindow window(desktop);
  window.Load();
  const fs::path folder = elsewhere.path();
  const auto read = [](const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  fs::create_directory(folder / "2024");
  for (const fs::path& file : {folder / "report.txt", folder / "2024" / "final.txt"})
    std::ofstream(file, std::ios::binary) << "the user's";
  window.Cg1.InitDir = folder.string();
  for (const char* typed : {"Report.txt", "2024\\final.txt"}) {
    SCOPED_TRACE(typed);
    // Typed once the name field has the focus, as the user types into it.
    QTimer typing;
    QObject::connect(&typing, &QTimer::timeout, [&typing, typed] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      if (name && !name->hasFocus()) return;
      typing.stop();
      if (!name) {
        dialog->reject();
        return;
      }
      name->setText(QString::fromUtf8(typed));
      static_cast<QDialog*>(dialog)->accept();  // the dialog's own OK
    });
    typing.start(10);
    ASSERT_TRUE(window.Cg1.ShowSave());
    EXPECT_EQ(fs::path(window.Cg1.FileName), folder / typed);
    ASSERT_TRUE(platform::printTextFile(window.Cg1.FileName, "报表"));
    EXPECT_EQ(read(folder / typed), platform::toGb18030("报表\r\n"));
  }
  EXPECT_EQ(read(folder / "report.txt"), "the user's");
  EXPECT_EQ(read(folder / "2024" / "final.txt"), "the user's");
  window.Unload();
}

namespace {

// A box whose KeyPress refuses letters with a message box, as score entry does.
class EntryWindow : public platform::Form {
 public:
  explicit EntryWindow(platform::Desktop& d) : platform::Form(d, "EntryWindow") {
    Text1.KeyPress = Text2.KeyPress = [this](int& KeyAscii) {
      if (KeyAscii < 'a' || KeyAscii > 'z') return;
      desktop().messageBox("只能输入数字和小数点！", platform::mb::Critical, "出错啦！");
      KeyAscii = 0;
    };
  }
  int activations = 0;
  platform::TextBox Text1{*this, "Text1"};
  platform::TextBox Text2{*this, "Text2"};

 protected:
  void build() override { Text2.Move(0, 600, 2400, 375); }
  void Form_Activate() override {
    ++activations;
    Text1.SetFocus();
  }
};

}  // namespace

TEST_F(RealDesktop, AMessageBoxShownForARefusedKeyLeavesTheBoxItsFocusAndRaisesNoActivate) {
  platform::RealDesktop desktop("Tallamo");
  EntryWindow window(desktop);
  desktop.dispatch([&] { window.Show(); });
  window.Text2.SetFocus();
  const int activations = window.activations;
  QString shown;
  QTimer::singleShot(50, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->text();
      box->accept();
    }
  });
  for (const char* typed : {"x", "7"}) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromLatin1(typed));
    QCoreApplication::sendEvent(window.Text2.widget(), &key);
  }
  QApplication::processEvents();
  EXPECT_EQ(shown.toStdString(), "只能输入数字和小数点！");
  EXPECT_EQ(window.Text2.Text(), "7");
  EXPECT_TRUE(window.Text2.hasFocus());
  EXPECT_EQ(window.activations, activations) << "the window's own message box does not activate it again";
  desktop.dispatch([&] { window.Unload(); });
}

TEST_F(RealDesktop, ACheckBoxOnTheScreenTurnsOverForAClickAndForSpace) {
  platform::RealDesktop desktop("Tallamo");
  PictureWindow window(desktop);
  platform::CheckBox box(window, "Ch1");
  std::vector<int> clicks;
  box.Click = [&] { clicks.push_back(box.Value()); };
  desktop.dispatch([&] { window.Show(); });
  box.Move(0, 0, 3000, 330);
  auto* widget = qobject_cast<QCheckBox*>(box.widget());
  ASSERT_NE(widget, nullptr);
  const QPointF inside(widget->width() - 4, widget->height() / 2.0);
  for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, inside, widget->mapToGlobal(inside), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
  }
  widget->setFocus();
  for (auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent key(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(widget, &key);
  }
  QApplication::processEvents();
  EXPECT_EQ(clicks, (std::vector<int>{1, 0}));
  desktop.dispatch([&] { window.Unload(); });
}

TEST_F(RealDesktop, TextsThatLookLikeHtmlAreShownAsTheyAreAndNameNothingToLoad) {
  const std::string picture = (program.path() / "picture.png").string();
  testing_support::FifoWatch watch(picture);
  const std::string text = "<b>环节二</b><img src=\"" + picture + "\">\n是否保存？";
  platform::RealDesktop desktop("Tallamo");

  // A message box, as step 3's save question carries a stage name.
  Qt::TextFormat boxFormat = Qt::AutoText, labelFormat = Qt::AutoText;
  QString shown;
  QTimer::singleShot(50, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      boxFormat = box->textFormat();
      if (auto* label = box->findChild<QLabel*>("qt_msgbox_label")) {
        labelFormat = label->textFormat();
        shown = label->text();
      }
      box->accept();
    }
  });
  desktop.messageBox(text, 33, "提示");
  EXPECT_EQ(boxFormat, Qt::PlainText);
  EXPECT_EQ(labelFormat, Qt::PlainText);
  EXPECT_EQ(shown.toStdString(), text);

  // A label, and a tool tip as Qt shows it when the pointer rests on the control.
  PictureWindow window(desktop);
  platform::Label label(window, "Label1");
  desktop.dispatch([&] { window.Show(); });
  label.Move(0, 0, 3000, 600);
  label.setCaption(text);
  label.setToolTipText(text);
  auto* widget = qobject_cast<QLabel*>(label.widget());
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(widget->textFormat(), Qt::PlainText);
  EXPECT_EQ(widget->text().toStdString(), text);
  QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
  QCoreApplication::sendEvent(widget, &hover);
  QApplication::processEvents();
  QLabel* tip = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "qtooltip_label") tip = qobject_cast<QLabel*>(w);
  ASSERT_NE(tip, nullptr);
  QTextDocument tipText;
  tipText.setHtml(tip->text());
  EXPECT_EQ(tipText.toPlainText().toStdString(), text);
  EXPECT_FALSE(watch.opened()) << "nothing the text names is loaded";
  desktop.dispatch([&] { window.Unload(); });
}
