#pragma once
// One generation run seen from the window. The run works on its own thread;
// its reports reach the window's thread as the signals below. The worker waits
// while the window handles checkFailed, finished or failed, and the run counts
// as working until the window has handled that last report.

#include <QObject>
#include <atomic>
#include <functional>
#include <thread>

#include "generator/AutoCode.h"

class TGenerationRun : public QObject, private IRunListener {
  Q_OBJECT

 public:
  explicit TGenerationRun(QObject* parent = nullptr);
  // Waits for a run still working; its remaining reports are dropped.
  ~TGenerationRun() override;

  void Start(const TRunSettings& settings);
  bool IsWorking() const { return working_; }

 signals:
  void progress(const QString& line);
  void checkFailed(const QString& message);
  void finished();
  void failed(const QString& error);

 private:
  // Called on the worker thread.
  void Progress(const std::string& line) override;
  void CheckFailed(const TCheckFailure& failure) override;
  void Finished() override;
  void Failed(const std::string& error) override;
  void EndWith(const std::function<void()>& report);

  std::thread worker_;
  bool working_ = false;  // touched on the window's thread only
  bool closing_ = false;
};
