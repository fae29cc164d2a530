#!/usr/bin/python3
"""SMTP peer for the report-mail tests, on an ephemeral loopback port.

Prints the port on its first output line. Every accepted message is written to the folder given with
--map as bericht-N.eml (the raw message) and bericht-N.json (envelope, login and the message parsed
back with Python's email module), N counting from 1.

Modes:
  login   offers AUTH (LOGIN and PLAIN) without TLS and requires it; --gebruiker/--wachtwoord
  plain   offers only AUTH PLAIN without TLS and does not require a login
  open    offers no AUTH at all
  stil    accepts the connection and never says a word
  traag   offers no AUTH and never answers the end of the message
--weiger ADRES (repeatable) refuses that recipient with 550.
"""

import argparse
import asyncio
import email
import email.policy
import email.utils
import json
import os
import re
import signal
import sys
from html.parser import HTMLParser

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


class AlineaLezer(HTMLParser):
    """Collects the text of each <p> of the HTML body, plus the font of the paragraphs."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.alineas = []
        self.fonts = []
        self.binnen = False

    def handle_starttag(self, tag, attrs):
        if tag == "p":
            self.binnen = True
            self.alineas.append("")
            stijl = dict(attrs).get("style", "") or ""
            self.fonts.append(stijl)

    def handle_endtag(self, tag):
        if tag == "p":
            self.binnen = False

    def handle_data(self, data):
        if self.binnen:
            self.alineas[-1] += data


def ontleed(ruw):
    bericht = email.message_from_bytes(ruw, policy=email.policy.default)
    uit = {
        "onderwerp": str(bericht.get("Subject", "")),
        "van": [[n, a] for n, a in email.utils.getaddresses([str(bericht.get("From", ""))])],
        "aan": [[str(a.display_name), str(a.addr_spec)] for a in bericht["To"].addresses] if bericht["To"] else [],
        "x_mailer": str(bericht.get("X-Mailer", "")),
        "datum": str(bericht.get("Date", "")),
        "datum_geldig": False,
        "message_id": str(bericht.get("Message-ID", "")),
        "mime_versie": str(bericht.get("MIME-Version", "")),
        "soort": bericht.get_content_type(),
        "delen": [],
        "tekst_regels": None,
        "html_regels": None,
        "html_stijl": "",
    }
    try:
        uit["datum_geldig"] = email.utils.parsedate_to_datetime(uit["datum"]) is not None
    except (TypeError, ValueError):
        pass
    for deel in bericht.iter_parts() if bericht.is_multipart() else []:
        soort = deel.get_content_type()
        uit["delen"].append(soort)
        inhoud = deel.get_content()
        if soort == "text/plain":
            regels = inhoud.split("\r\n") if "\r\n" in inhoud else inhoud.split("\n")
            if regels and regels[-1] == "":
                regels.pop()
            uit["tekst_regels"] = regels
        elif soort == "text/html":
            lezer = AlineaLezer()
            lezer.feed(inhoud)
            uit["html_regels"] = [r.replace("\u00a0", " ") for r in lezer.alineas]
            uit["html_fonts"] = lezer.fonts
            uit["html_stijl"] = " ".join(re.findall(r"<style[^>]*>(.*?)</style>", inhoud, re.S))
    return uit


class Ontvanger:
    def __init__(self, map_, weiger, traag=False):
        self.map = map_
        self.weiger = {w.lower() for w in weiger}
        self.teller = 0
        self.traag = traag

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.lower() in self.weiger:
            return "550 5.1.1 Ontvanger geweigerd"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        if self.traag:
            await asyncio.sleep(3600)
        self.teller += 1
        basis = os.path.join(self.map, "bericht-%d" % self.teller)
        ruw = envelope.original_content or envelope.content
        gegevens = {
            "afzender": envelope.mail_from,
            "ontvangers": envelope.rcpt_tos,
            "aangemeld": bool(session.authenticated),
            "login": (session.login_data or b"").decode("utf-8", "replace") if session.authenticated else "",
            "mechanisme": getattr(session, "orvo_mechanisme", ""),
        }
        try:
            gegevens["bericht"] = ontleed(ruw)
        except Exception as fout:  # the test reads the failure instead of a missing file
            gegevens["bericht"] = {"fout": repr(fout)}
        with open(basis + ".eml", "wb") as f:
            f.write(ruw)
        with open(basis + ".json.tmp", "w", encoding="utf-8") as f:
            json.dump(gegevens, f, ensure_ascii=False, indent=1)
        os.replace(basis + ".json.tmp", basis + ".json")
        print("bericht %d van %s aan %s" % (self.teller, envelope.mail_from, ",".join(envelope.rcpt_tos)), flush=True)
        return "250 OK bericht aangenomen"


def maak_controle(gebruiker, wachtwoord):
    def controle(server, session, envelope, mechanism, auth_data):
        session.orvo_mechanisme = mechanism
        if not isinstance(auth_data, LoginPassword):
            return AuthResult(success=False, handled=False)
        goed = auth_data.login == gebruiker.encode() and auth_data.password == wachtwoord.encode()
        return AuthResult(success=goed, handled=False, auth_data=auth_data)

    return controle


class Stil(asyncio.Protocol):
    """Takes the connection and never answers."""

    def connection_made(self, transport):
        self.transport = transport


def main():
    a = argparse.ArgumentParser()
    a.add_argument("--modus", choices=["login", "plain", "open", "stil", "traag"], default="open")
    a.add_argument("--map", default=".")
    a.add_argument("--gebruiker", default="")
    a.add_argument("--wachtwoord", default="")
    a.add_argument("--weiger", action="append", default=[])
    args = a.parse_args()

    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    ontvanger = Ontvanger(args.map, args.weiger, args.modus == "traag")

    if args.modus == "stil":
        fabriek = Stil
    else:
        opties = {"hostname": "orvo-test.local", "timeout": 30}
        if args.modus == "login":
            opties.update(auth_required=True, auth_require_tls=False,
                          authenticator=maak_controle(args.gebruiker, args.wachtwoord))
        elif args.modus == "plain":
            opties.update(auth_required=False, auth_require_tls=False, auth_exclude_mechanism=["LOGIN"],
                          authenticator=maak_controle(args.gebruiker, args.wachtwoord))

        def fabriek():
            return SMTP(ontvanger, loop=loop, **opties)

    server = loop.run_until_complete(loop.create_server(fabriek, "127.0.0.1", 0))
    print(server.sockets[0].getsockname()[1], flush=True)
    loop.add_signal_handler(signal.SIGTERM, loop.stop)
    try:
        loop.run_forever()
    finally:
        server.close()


if __name__ == "__main__":
    import warnings

    warnings.simplefilter("ignore")
    sys.exit(main())
