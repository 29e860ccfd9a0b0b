#pragma once
// One generation run seen from the window: the run works on its own thread and
// reports through the signals below, which the window receives on its thread.
// checkFailed, finished and failed are connected blocking, so the worker waits
// until the window has shown its message.

#include <QObject>
#include <atomic>
#include <thread>

#include "generator/AutoCode.h"

class TGenerationRun : public QObject, private IRunListener {
  Q_OBJECT

 public:
  explicit TGenerationRun(QObject* parent = nullptr);
  // Waits for a run still working; its remaining reports are dropped.
  ~TGenerationRun() override;

  void Start(const TRunSettings& settings);
  // From Start until the window has handled the run's last report.
  bool IsWorking() const { return working_; }
  // True while the window drops reports (it is being closed).
  bool IsClosing() const { return closing_; }

 signals:
  void progress(const QString& line);
  void checkFailed(const QString& message);
  void finished();
  void failed(const QString& error);

 private:
  void Progress(const std::string& line) override;
  void CheckFailed(const TCheckFailure& failure) override;
  void Finished() override;
  void Failed(const std::string& error) override;
  void Ended();

  std::thread worker_;
  std::atomic<bool> working_ = false;
  std::atomic<bool> closing_ = false;
};
