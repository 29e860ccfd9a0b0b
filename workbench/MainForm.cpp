#include "workbench/MainForm.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "workbench/Banner.h"
#include "workbench/GenerationRun.h"
#include "workbench/Guard.h"
#include "workbench/MemberGrid.h"
#include "workbench/RunPreview.h"

namespace {

constexpr int kClientWidth = 783;
constexpr int kClientHeight = 547;
constexpr int kBannerHeight = 89;
constexpr int kProgressHeight = 152;

QLabel* AddLabel(QWidget* parent, const char* text, int x, int y) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->move(x, y);
  label->adjustSize();
  return label;
}

}  // namespace

TFormMain::TFormMain(std::filesystem::path home, IPrompt& prompt, IShell& shell, QWidget* parent)
    : QMainWindow(parent), home_(std::move(home)), prompt_(prompt), shell_(shell) {
  setObjectName("FormMain");
  setWindowTitle(QStringLiteral("brindlemoorvb.net代码生成器2.0版"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  BuildComponents();
  BuildMenus();
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  run_ = std::make_unique<TGenerationRun>();
  connect(run_.get(), &TGenerationRun::progress, this, &TFormMain::AppendProgress);
  connect(run_.get(), &TGenerationRun::checkFailed, this, &TFormMain::RunCheckFailed);
  connect(run_.get(), &TGenerationRun::finished, this, &TFormMain::RunFinished);
  connect(run_.get(), &TGenerationRun::failed, this, &TFormMain::RunFailed);
  preview_ = std::make_unique<TRunPreview>();
  connect(preview_.get(), &TRunPreview::done, this, &TFormMain::PreviewDone);

  Guarded(prompt_, this, [this] { LoadProjects(); });
  Timer1->start();
}

// A run still working is waited for before the window goes; its remaining
// reports are dropped, since there is no window left to show them.
TFormMain::~TFormMain() = default;

void TFormMain::BuildComponents() {
  auto* client = new QWidget(this);
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);

  Image1 = new TBanner(client);
  Image1->setObjectName("Image1");
  Image1->setGeometry(0, 0, kClientWidth, kBannerHeight);
  connect(Image1, &TBanner::clicked, this, &TFormMain::Image1Click);

  auto* GroupBox1 = new QGroupBox(QStringLiteral("项目操作区"), client);
  GroupBox1->setObjectName("GroupBox1");
  GroupBox1->setGeometry(0, kBannerHeight, kClientWidth, kClientHeight - kBannerHeight);

  AddLabel(GroupBox1, "项目:", 8, 24);
  CB_Project = new QComboBox(GroupBox1);
  CB_Project->setObjectName("CB_Project");
  CB_Project->setEditable(false);
  CB_Project->setGeometry(36, 18, 121, 22);
  connect(CB_Project, &QComboBox::activated, this, &TFormMain::CB_ProjectChange);

  AddLabel(GroupBox1, "该项目所有类如下:", 8, 48);
  LB_Object = new QListWidget(GroupBox1);
  LB_Object->setObjectName("LB_Object");
  LB_Object->setGeometry(8, 64, 153, 241);
  LB_Object->viewport()->installEventFilter(this);
  // Selection, not the current row: a mouse press moves the current row before it selects.
  connect(LB_Object, &QListWidget::itemSelectionChanged, this, [this] {
    if (!fillingClasses_) LB_ObjectClick();
  });

  LV_Member = new TMemberGrid(GroupBox1);
  LV_Member->setObjectName("LV_Member");
  LV_Member->setGeometry(162, 16, 617, 281);
  LV_Member->viewport()->installEventFilter(this);
  connect(LV_Member, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenu1->popup(LV_Member->viewport()->mapToGlobal(at)); });

  auto* GroupBox2 = new QGroupBox(QStringLiteral("生成进度"), GroupBox1);
  GroupBox2->setObjectName("GroupBox2");
  GroupBox2->setGeometry(2, GroupBox1->height() - kProgressHeight - 1, kClientWidth - 4, kProgressHeight);
  Memo_State = new QPlainTextEdit(GroupBox2);
  Memo_State->setObjectName("Memo_State");
  Memo_State->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QPalette silver = Memo_State->palette();
  silver.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
  Memo_State->setPalette(silver);
  auto* progressLayout = new QVBoxLayout(GroupBox2);
  progressLayout->setContentsMargins(4, 2, 4, 4);
  progressLayout->addWidget(Memo_State);

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(5000);
  connect(Timer1, &QTimer::timeout, this, &TFormMain::Timer1Timer);
}

QAction* TFormMain::AddMenuItem(QMenu* menu, const char* name, const char* caption, void (TFormMain::*handler)()) {
  QAction* item = menu->addAction(QString::fromUtf8(caption));
  item->setObjectName(name);
  connect(item, &QAction::triggered, this, handler);
  return item;
}

void TFormMain::BuildMenus() {
  QMenu* F1 = menuBar()->addMenu(QStringLiteral("项目操作(&P)"));
  F1->setObjectName("F1");
  AddMenuItem(F1, "F2", "新建项目(&F)", &TFormMain::F2Click);
  AddMenuItem(F1, "N1", "修改项目名称(&X)", &TFormMain::N1Click);
  AddMenuItem(F1, "D1", "删除当前项目(&D)", &TFormMain::D1Click);
  AddMenuItem(F1, "I1", "从建表脚本导入…", &TFormMain::I1Click);
  AddMenuItem(F1, "A2", "添加类(&A)", &TFormMain::A2Click);
  AddMenuItem(F1, "N2", "修改类名(&B)", &TFormMain::N2Click);
  AddMenuItem(F1, "S1", "删除类(&S)", &TFormMain::S1Click);
  AddMenuItem(F1, "M1", "添加成员(&M)", &TFormMain::M1Click);
  AddMenuItem(F1, "N3", "修改成员属性(&E)", &TFormMain::N3Click);
  AddMenuItem(F1, "C1", "删除成员(&C)", &TFormMain::C1Click);

  QMenu* P1 = menuBar()->addMenu(QStringLiteral("代码管理(&A)"));
  P1->setObjectName("P1");
  AddMenuItem(P1, "sql1", "生成建表sql语句", &TFormMain::sql1Click);
  AddMenuItem(P1, "S2", "设置命名空间(&S)", &TFormMain::S2Click)->setVisible(false);
  AddMenuItem(P1, "A1", "自动生成代码(&A)", &TFormMain::A1Click);
  AddMenuItem(P1, "G1", "生成设置(&G)", &TFormMain::G1Click);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  AddMenuItem(PopupMenu1, "D2", "删除成员(&D)", &TFormMain::C1Click);
  AddMenuItem(PopupMenu1, "E1", "成员交换(&E)", &TFormMain::E1Click);
  AddMenuItem(PopupMenu1, "N5", "成员上移(&U)", &TFormMain::N5Click);
  AddMenuItem(PopupMenu1, "L1", "成员下移(&L)", &TFormMain::L1Click);
}

// A double click anywhere in the class list or the grid counts, on an entry or not.
bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (watched == LB_Object->viewport()) {
      N2Click();
      return true;
    }
    if (watched == LV_Member->viewport()) {
      LV_MemberDblClick();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TFormMain::ShowMessage(const char* text) { prompt_.Message(this, QString::fromUtf8(text)); }
