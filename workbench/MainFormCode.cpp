// The code commands of the main window: the script window, the namespace, the
// generation settings and the generation run with its preview and reports; and
// the about page.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTimer>

#include "metadata/InputRules.h"
#include "metadata/SettingsDAO.h"
#include "platform/Platform.h"
#include "workbench/DataBaseSqlForm.h"
#include "workbench/GenerationSettingsForm.h"
#include "workbench/GenerationRun.h"
#include "workbench/Guard.h"
#include "workbench/RunPreview.h"
#include "workbench/MainForm.h"

void TFormMain::sql1Click() {
  Guarded(prompt_, this, [this] {
    if (SelectedProjectId() < 0) return ShowMessage("当前未有任何项目被选中!");
    TDataBaseSqlForm form(this, prompt_);
    form.SetProjectId(SelectedProjectId());
    form.exec();
  });
}

void TFormMain::S2Click() {
  Guarded(prompt_, this, [this] {
    const QString answer = prompt_.Input(this, QStringLiteral("命名空间输入框"),
                                         QStringLiteral("请输入一个命名空间名如:           "), nameSpace_);
    input_rules::CheckNameSpace(answer.toStdString());
    nameSpace_ = answer;
  });
}

void TFormMain::A1Click() {
  Guarded(prompt_, this, [this] {
    if (SelectedProjectId() < 0) return ShowMessage("没有一个工程被选中！");
    // Two runs over one project would write the same files at once.
    if (run_->IsWorking() || preview_->IsWorking())
      return ShowMessage("代码正在生成中，请等待本次生成结束后再开始新的生成!");
    // Only a run that overwrites hand edits needs the warning.
    if (TSettingsDAO().GetSettings(SelectedProjectId()).edits == TEditMode::Overwrite)
      ShowMessage("如果以前生成了该项目，最好先删除原来的目录!");
    TRunSettings settings;
    settings.home = home_;
    settings.projectName = SelectedProjectName().toStdString();
    settings.projectId = SelectedProjectId();
    settings.nameSpace = nameSpace_.toStdString();
    Memo_State->setPlainText(QStringLiteral("正在计算本次生成将改动的文件，请稍候..."));
    setCursor(Qt::BusyCursor);
    preview_->Start(settings);
  });
}

// The dry run's decisions shown to the user before anything is written. A dry
// run that stops at a check or an error shows nothing: the run itself then
// stops at the same place and reports it as usual.
void TFormMain::PreviewDone() {
  unsetCursor();
  Memo_State->clear();
  Guarded(prompt_, this, [this] {
    const TRunPreview::TResult preview = preview_->Result();
    if (preview.finished && !prompt_.Preview(this, preview.files)) return;
    runOutputFolder_ = home_ / "projects" / preview_->Settings().projectName;
    run_->Start(preview_->Settings());
  });
}

void TFormMain::G1Click() {
  Guarded(prompt_, this, [this] {
    if (SelectedProjectId() < 0) return ShowMessage("当前未有任何项目被选中!");
    TGenerationSettingsForm form(*this, SelectedProjectId());
    form.exec();
  });
}

void TFormMain::AppendProgress(const QString& line) { Memo_State->appendPlainText(line); }

void TFormMain::RunCheckFailed(const QString& message) { prompt_.Message(this, message); }

void TFormMain::RunFinished() {
  prompt_.Information(this, QStringLiteral("所有代码生成完毕!"), QStringLiteral("任务提示"));
  shell_.Open(QUrl::fromLocalFile(QString::fromStdString(platform::Utf8FromPath(runOutputFolder_))));
}

void TFormMain::RunFailed(const QString& error) {
  const QString report = QStringLiteral("代码生成失败: ") + error;
  Memo_State->appendPlainText(report);
  prompt_.Error(this, report);
}

void TFormMain::Image1Click() { OpenAboutPage(); }

void TFormMain::Timer1Timer() {
  Timer1->stop();
  OpenAboutPage();
}

void TFormMain::OpenAboutPage() {
  shell_.Open(QUrl::fromLocalFile(QString::fromStdString(platform::Utf8FromPath(home_ / "about.html"))));
}
