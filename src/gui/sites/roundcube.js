// Roundcube 1.6 (elastic skin). Its message list arrives after the page loads, as rows
// "tr#rcmrow<uid>" marked "unread" and "selected"; a message shows in the preview frame
// "messagecontframe" or as a page of its own, its body in "#messagebody". Roundcube's own
// objects live in the page's world, out of reach from here: selection goes through a one-line
// script in the page, carrying only row ids. The message's source comes from its "viewsource"
// action, which needs only the session.
(function () {
    'use strict';
    var p = window.postling;
    if (!p || p.sites.roundcube) {
        return;
    }
    var u = p.util;

    function param(search, name) {
        var m = new RegExp('[?&]' + name + '=([^&#]*)').exec(search);
        return m ? decodeURIComponent(m[1].replace(/\+/g, ' ')) : null;
    }

    // The document that shows a message: the preview frame's, else this page's.
    function messageDocument() {
        var frame = document.getElementById('messagecontframe');
        var docs = [];
        try {
            if (frame && frame.contentDocument) {
                docs.push(frame.contentDocument);
            }
        } catch (e) { /* another origin: not Roundcube's preview */ }
        docs.push(document);
        for (var i = 0; i < docs.length; i++) {
            if (docs[i].getElementById('messagebody') && param(docs[i].location.search, '_uid')) {
                return docs[i];
            }
        }
        return null;
    }

    // The message as delivered, one character per byte (its text may be in any character set).
    function source(doc) {
        var uid = param(doc.location.search, '_uid');
        var mbox = param(doc.location.search, '_mbox') || 'INBOX';
        var xhr = new XMLHttpRequest();
        xhr.open('GET', location.pathname + '?_task=mail&_action=viewsource&_uid=' +
                 encodeURIComponent(uid) + '&_mbox=' + encodeURIComponent(mbox), false);
        // Bytes as they are: "x-user-defined" keeps ASCII and puts 0x80-0xFF at U+F780-U+F7FF.
        xhr.overrideMimeType('text/plain; charset=x-user-defined');
        try {
            xhr.send();
        } catch (e) {
            return null; // the site is not reachable
        }
        if (xhr.status !== 200) {
            return null;
        }
        return xhr.responseText.replace(/[\uf780-\uf7ff]/g, function (c) {
            return String.fromCharCode(c.charCodeAt(0) - 0xf700);
        });
    }

    function rows() {
        var list = document.getElementById('messagelist');
        if (!list) {
            return null;
        }
        return Array.prototype.filter.call(list.querySelectorAll('tr'), function (row) {
            return row.id.indexOf('rcmrow') === 0;
        });
    }

    function selected(row) {
        return (' ' + row.className + ' ').indexOf(' selected ') >= 0;
    }

    // Runs a line in the page's own world, where Roundcube's objects are; it carries only data.
    function inPage(code) {
        var script = document.createElement('script');
        script.textContent = code;
        (document.head || document.documentElement).appendChild(script);
        script.remove();
    }

    // Roundcube's own list selection: each row (by its element id) toggles, as a Ctrl+click on
    // it would.
    function toggleRows(rowIds) {
        inPage('(function (ids) { var l = window.rcmail && rcmail.message_list;' +
               ' if (!l) return; var uid = {}; for (var k in l.rows) if (l.rows[k].obj)' +
               ' uid[l.rows[k].obj.id] = l.rows[k].uid; ids.forEach(function (id) {' +
               ' if (id in uid) l.select_row(uid[id], CONTROL_KEY, true); }); })(' +
               JSON.stringify(rowIds) + ');');
    }

    // The compose form's HTML editor when the message is written in HTML: its editable body,
    // or null while TinyMCE, which loads after the page, is not ready yet. Nothing in plain text.
    function htmlEditor(f) {
        var mode = u.field(f, '_is_html');
        if (!mode || mode.value !== '1') {
            return null;
        }
        var frame = document.getElementById('composebody_ifr');
        var body = frame && frame.contentDocument && frame.contentDocument.body;
        return {body: body && body.isContentEditable ? body : null};
    }

    // The compose form and its HTML editor (null in plain text), or why they cannot be used yet.
    function composeForm(formName) {
        var f = u.form(formName);
        if (!f) {
            return {error: 'noform'};
        }
        var editor = htmlEditor(f);
        if (editor && !editor.body) {
            return {error: 'loading'};
        }
        return {form: f, editor: editor};
    }

    function isRecipients(name) {
        return name === '_to' || name === '_cc' || name === '_bcc';
    }

    function escapeHtml(text) {
        return String(text).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
    }

    // Roundcube answers a send on the compose page itself, in its message stack: report its
    // confirmations and errors.
    document.addEventListener('DOMContentLoaded', function () {
        var stack = document.getElementById('messagestack');
        if (!stack) {
            return;
        }
        new MutationObserver(function (changes) {
            changes.forEach(function (change) {
                Array.prototype.forEach.call(change.addedNodes, function (node) {
                    var kind = !node.classList ? null
                        : node.classList.contains('confirmation') ? 'confirmation'
                        : node.classList.contains('error') ? 'error' : null;
                    if (kind) {
                        u.siteMessage({kind: kind, text: String(node.innerText || '').trim()});
                    }
                });
            });
        }).observe(stack, {childList: true, subtree: true});
    });

    p.sites.roundcube = {
        // Sends the message with Roundcube's own Send command, in the page's world.
        send: function () {
            if (!u.form('form')) {
                return {error: 'noform'};
            }
            inPage('window.rcmail && rcmail.command("send", "");');
            return {submitted: true};
        },

        // The fields as a person reads them: recipients without the widget's trailing
        // separator, the body as text in either editor.
        formFields: function (formName, names) {
            var c = composeForm(formName);
            if (c.error) {
                return c;
            }
            var f = c.form, editor = c.editor;
            var values = {};
            names.forEach(function (n) {
                var el = u.field(f, n);
                if (!el) {
                    values[n] = null;
                } else if (n === '_message' && editor) {
                    values[n] = u.crlf(editor.body.innerText).replace(/\r\n$/, '');
                } else if (isRecipients(n)) {
                    values[n] = String(el.value).replace(/[,;\s]+$/, '');
                } else {
                    values[n] = String(el.value);
                }
            });
            return {fields: values};
        },

        // As a person gives them: the recipient widget takes the field's new value on its
        // change event (and a Cc or Bcc row given a value is shown); the HTML editor takes the
        // body as escaped text.
        setFormFields: function (formName, values) {
            var c = composeForm(formName);
            if (c.error) {
                return c;
            }
            var f = c.form, editor = c.editor;
            var missing = [];
            Object.keys(values).forEach(function (n) {
                var el = u.field(f, n);
                if (!el) {
                    missing.push(n);
                    return;
                }
                var value = String(values[n]);
                if (n === '_message' && editor) {
                    editor.body.innerHTML = escapeHtml(value).replace(/\r?\n/g, '<br>');
                    u.fire(editor.body, 'input');
                }
                el.value = value;
                u.fire(el, 'input');
                u.fire(el, 'change');
                var row = document.getElementById('compose' + n);
                if (isRecipients(n) && value && row) {
                    row.classList.remove('hidden');
                }
            });
            return {missing: missing};
        },

        messagePage: function () {
            var doc = messageDocument();
            if (!doc) {
                return {error: 'nomessage'};
            }
            var src = source(doc);
            if (src === null) {
                return {error: 'nosource'};
            }
            // The headers come from the source; the page's text is not needed.
            return {text: '', bodyHtml: doc.getElementById('messagebody').innerHTML,
                    sourceBytes: src};
        },

        inboxRows: function () {
            var r = rows();
            if (!r) {
                return {error: 'nolist'};
            }
            return {rows: r.map(function (row) {
                return {text: row.innerText, className: String(row.className || ''),
                        bold: false, newmail: false, checked: selected(row), checkbox: true,
                        title: String(row.title || '')};
            })};
        },

        setChecked: function (indices, value, reasons) {
            var r = rows();
            if (!r) {
                return {error: 'nolist'};
            }
            var toggle = [];
            indices.forEach(function (i) {
                if (r[i] && selected(r[i]) !== value) {
                    toggle.push(r[i].id);
                }
            });
            if (toggle.length) {
                toggleRows(toggle);
            }
            indices.forEach(function (i, k) {
                if (r[i]) {
                    u.setWhy(r[i], value, reasons && reasons[k]);
                }
            });
            return {changed: indices.length};
        }
    };
})();
