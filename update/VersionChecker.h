#pragma once

#include "platform/Platform.h"

#include <QDialog>

#include <optional>

class HttpClient;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The version checker: asks one of the two update servers whether there are news or a
// newer Velmor, shows the news and hands the new version's setup to the browser. It is
// made once and kept, so what a check found is still there when it is shown again.
class VersionChecker : public QDialog {
    Q_OBJECT

public:
    explicit VersionChecker(const Platform &platform, QWidget *parent = nullptr);

    QComboBox *serverChoice;
    QPlainTextEdit *newsText;

    // Takes the server from the text of Serverwahl1. The main window calls it after
    // putting the stored choice there.
    void ServerwahlChange();

    // True when Memo2 holds news worth keeping: not empty, and not the notice that the
    // server had none, in whichever language that notice was shown.
    bool showsNews() const;

    // The checker's connection to the servers, for those who need to tune it.
    HttpClient &httpClient() { return *http_; }

protected:
    void changeEvent(QEvent *event) override;

private:
    // What the last check that read a version file found, for the question after the
    // news; a missing version file leaves it as it was.
    enum class VersionFinding { None, Same, Newer };

    void createControls();
    void retranslate();
    static QString noNewsNotice();
    QString newsQuestion(bool newNews) const;
    void check();
    void download();
    bool fetch(const char *fileName);
    void reportInvalidHost();
    void applyVersion(const QString &published);

    Platform platform_;
    HttpClient *http_;
    QGroupBox *serverGroup_;
    QGroupBox *versionGroup_;
    QGroupBox *newsGroup_;
    QLabel *onThisPc_;
    QLabel *onTheInternet_;
    QLabel *program_;
    QLabel *ownVersionLabel;
    QLabel *comparisonSign;
    QLabel *publishedVersion;
    QPushButton *checkButton;
    QPushButton *downloadButton;
    QPushButton *closeButton;

    QUrl baseUrl_; // empty until a server is chosen
    QString question_;
    std::optional<QString> published_; // the version file's first line, once one was read
    VersionFinding finding_ = VersionFinding::None;
    bool showsNoNewsNotice_ = false;
};
