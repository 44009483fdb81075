"""aiosmtpd handler for the mail tests: every mail it receives is parsed with Python's own MIME
parser and written as JSON, so the tests check what a real mail program would see.

    /usr/bin/python3 -m aiosmtpd -n -l 127.0.0.1:PORT -c smtp_recorder.Recorder OUTDIR [REFUSED...]

REFUSED addresses are answered with 550 at RCPT TO.
"""
import base64
import email
import email.policy
import json
import os


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
        }
        self.count += 1
        path = os.path.join(self.outdir, 'mail%d.json' % self.count)
        with open(path + '.tmp', 'w', encoding='utf-8') as out:
            json.dump(record, out, ensure_ascii=False)
        os.replace(path + '.tmp', path)
        return '250 Message accepted for delivery'
