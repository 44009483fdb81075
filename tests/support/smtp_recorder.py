"""aiosmtpd handler for the mail tests: every mail it receives is parsed with Python's own MIME
parser and written as JSON, so the tests check what a real mail program would see.

    /usr/bin/python3 -m aiosmtpd -n -l 127.0.0.1:PORT -c smtp_recorder.Recorder OUTDIR [REFUSED...]

REFUSED addresses are answered with 550 at RCPT TO.

    SMTP_RECORDER_LOGIN=USER:PASSWORD /usr/bin/python3 -m smtp_recorder 127.0.0.1:PORT OUTDIR [REFUSED...]

is the same server that takes a mail only after AUTH with that user and password (given in the
environment, not on a command line); each mail records the login that sent it.
"""
import base64
import email
import email.policy
import json
import os
import signal
import sys


class Recorder:
    def __init__(self, outdir, refused):
        self.outdir = outdir
        self.refused = {a.lower() for a in refused}
        self.count = 0

    @classmethod
    def from_cli(cls, parser, outdir, *refused):
        return cls(outdir, refused)

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.lower() in self.refused:
            return '550 5.1.1 <%s>: Recipient address rejected' % address
        envelope.rcpt_tos.append(address)
        return '250 OK'

    async def handle_DATA(self, server, session, envelope):
        msg = email.message_from_bytes(envelope.content, policy=email.policy.default)
        body = msg.get_body(preferencelist=('plain',))
        attachments = []
        for part in msg.iter_attachments():
            attachments.append({
                'filename': part.get_filename(),
                'content_type': part.get_content_type(),
                'disposition': part.get_content_disposition(),
                'data': base64.b64encode(part.get_payload(decode=True)).decode('ascii'),
            })
        record = {
            'mail_from': envelope.mail_from,
            'rcpt_tos': envelope.rcpt_tos,
            'headers': {k: str(v) for k, v in msg.items()},
            'from_name': msg['From'].addresses[0].display_name if msg['From'] else None,
            'from_address': msg['From'].addresses[0].addr_spec if msg['From'] else None,
            'to_name': msg['To'].addresses[0].display_name if msg['To'] else None,
            'to_address': msg['To'].addresses[0].addr_spec if msg['To'] else None,
            'multipart': msg.is_multipart(),
            'body': body.get_content() if body is not None else None,
            'attachments': attachments,
            'auth_login': session.auth_data.login.decode() if session.authenticated else None,
        }
        self.count += 1
        path = os.path.join(self.outdir, 'mail%d.json' % self.count)
        with open(path + '.tmp', 'w', encoding='utf-8') as out:
            json.dump(record, out, ensure_ascii=False)
        os.replace(path + '.tmp', path)
        return '250 Message accepted for delivery'


def main():
    from aiosmtpd.controller import Controller
    from aiosmtpd.smtp import AuthResult, LoginPassword

    host, port = sys.argv[1].rsplit(':', 1)
    user, password = os.environ['SMTP_RECORDER_LOGIN'].split(':', 1)

    def authenticator(server, session, envelope, mechanism, auth_data):
        ok = (isinstance(auth_data, LoginPassword) and auth_data.login == user.encode()
              and auth_data.password == password.encode())
        return AuthResult(success=ok, auth_data=auth_data)

    controller = Controller(Recorder(sys.argv[2], sys.argv[3:]), hostname=host, port=int(port),
                            authenticator=authenticator, auth_required=True, auth_require_tls=False)
    controller.start()
    signal.sigwait({signal.SIGTERM, signal.SIGINT})
    controller.stop()


if __name__ == '__main__':
    signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGTERM, signal.SIGINT})
    main()
