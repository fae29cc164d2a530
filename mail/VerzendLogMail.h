#pragma once
// The report mail after an automatic backup: the report lines as one message to the recipients kept in
// the settings, over plain SMTP to the server kept there.

#include <QString>
#include <QStringList>

namespace Orvo {

// How long the mailer waits before it gives up on a server. A dead or silent server must give false,
// never a program that hangs at the end of an unattended run.
struct MailTijden {
    int verbindSeconden = 30;  // connecting, the greeting, EHLO and the login
    int antwoordSeconden = 60; // each later reply of the server
    int trageSeconden = 60;    // no byte moved at all for this long
};

// True when the SMTP server took the message. Every failure (no server, no recipients, refused login,
// refused recipient, lost connection) gives false; nothing is shown and nothing is thrown.
bool VerzendLogMail(const QStringList& Tekst);
// The same with other waiting times; `reden`, when given, receives why a send failed (for logs and
// tests, never shown to the user).
bool VerzendLogMail(const QStringList& Tekst, const MailTijden& tijden, QString* reden = nullptr);

} // namespace Orvo
