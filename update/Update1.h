#pragma once

#include "platform/Platform.h"

#include <QDialog>

class HttpClient;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The version checker: asks one of the two update servers whether there are news or a
// newer Velmor, shows the news and hands the new version's setup to the browser. It is
// made once and kept, so what a check found is still there when it is shown again.
class TForm4 : public QDialog {
    Q_OBJECT

public:
    explicit TForm4(const Platform &platform, QWidget *parent = nullptr);

    QComboBox *Serverwahl1;
    QPlainTextEdit *Memo2;

    // Takes the server from the text of Serverwahl1. The main window calls it after
    // putting the stored choice there.
    void ServerwahlChange();

    // The checker's connection to the servers, for those who need to tune it.
    HttpClient &httpClient() { return *http_; }

private:
    void createControls();
    void check();
    void download();
    bool fetch(const char *fileName);
    void reportInvalidHost();
    void applyVersion(const QString &published);

    Platform platform_;
    HttpClient *http_;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QPushButton *ButtonStart;
    QPushButton *Button1;
    QPushButton *Buttonbeenden;

    QUrl baseUrl_; // empty until a server is chosen
    QString question_;
    QString phraseNoNews_;   // follows "Nein, keine neuen News "
    QString phraseWithNews_; // follows "Ja, neue News "
};
