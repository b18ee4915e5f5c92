// Hotmail as it was in 2002: the inbox form "hotmail" (every field but "allbox" belongs to a
// message), the message body in the last element of class "rmsg".
(function () {
    'use strict';
    var p = window.postling;
    if (!p || p.sites.hotmail) {
        return;
    }
    var u = p.util;

    var inbox = u.boxInbox(function () {
        var f = u.form('hotmail');
        return f ? Array.prototype.filter.call(f.elements, function (el) {
            return el.name !== 'allbox';
        }) : null;
    });

    p.sites.hotmail = {
        messagePage: function () {
            if (!document.body) {
                return {error: 'nobody'};
            }
            var rmsg = null;
            var els = document.getElementsByTagName('*');
            for (var i = 0; i < els.length; i++) {
                if (els[i].className === 'rmsg') {
                    rmsg = els[i];
                }
            }
            return {text: u.crlf(document.body.innerText), bodyHtml: rmsg ? rmsg.innerHTML : null};
        },

        formFields: p.formFields,
        setFormFields: p.setFormFields,
        send: p.submitForm,
        inboxRows: inbox.inboxRows,
        setChecked: inbox.setChecked
    };
})();
