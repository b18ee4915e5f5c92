// Yahoo! Mail as it was in 2002: the inbox form "messageList" with one "Mid" box per message,
// the message body in the element "message", a rich-text editor in the compose page.
(function () {
    'use strict';
    var p = window.postling;
    if (!p || p.sites.yahoo) {
        return;
    }
    var u = p.util;

    var inbox = u.boxInbox(function () {
        var f = u.form('messageList');
        return f ? Array.prototype.filter.call(f.elements, function (el) {
            return el.name === 'Mid';
        }) : null;
    });

    p.sites.yahoo = {
        messagePage: function () {
            if (!document.body) {
                return {error: 'nobody'};
            }
            var message = u.all('message');
            return {text: u.crlf(document.body.innerText),
                    bodyHtml: message ? message.innerHTML : null};
        },

        formFields: p.formFields,
        setFormFields: p.setFormFields,
        send: p.submitForm,
        inboxRows: inbox.inboxRows,
        setChecked: inbox.setChecked,

        // The rich-text editor: the element "plainmsg", else the form member Compose.PlainMsg.
        setRichText: function (html) {
            var area = u.all('plainmsg');
            if (area) {
                area.innerHTML = html;
                return {set: true};
            }
            var plain = u.field(u.form('Compose'), 'PlainMsg');
            if (plain) {
                plain.value = html;
                return {set: true};
            }
            return {error: 'noeditor'};
        }
    };
})();
