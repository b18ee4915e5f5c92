// What every site's page module shares: the operations that work on any page, the helpers the
// modules use (postling.util), and the report of form posts. Like the modules it runs in the
// application world, which shares each page's document but none of its scripts, and every
// function returns plain data. Each site's module adds postling.sites[key].
(function () {
    'use strict';
    if (window.postling) {
        return;
    }

    function crlf(text) {
        return String(text).replace(/\r\n|\r|\n/g, '\r\n');
    }

    function lower(text) {
        return String(text || '').toLowerCase();
    }

    // Names match as the old browser control matched them: exactly first, else in any case.
    function byName(items, name, key) {
        var i;
        for (i = 0; i < items.length; i++) {
            if (items[i][key] === name) {
                return items[i];
            }
        }
        for (i = 0; i < items.length; i++) {
            if (items[i][key] && lower(items[i][key]) === lower(name)) {
                return items[i];
            }
        }
        return null;
    }

    function form(name) {
        return byName(document.forms, name, 'name') || byName(document.forms, name, 'id');
    }

    // A form's field by name; image buttons are not among a form's elements, so the form's
    // other named descendants come next.
    function field(f, name) {
        if (!f) {
            return null;
        }
        return byName(f.elements, name, 'name') ||
               byName(f.querySelectorAll('[name]'), name, 'name');
    }

    // The document's All(id): an element by id or name.
    function all(id) {
        var el = document.getElementById(id);
        if (el) {
            return el;
        }
        var named = document.getElementsByName(id);
        if (named.length) {
            return named[0];
        }
        return byName(document.getElementsByTagName('*'), id, 'id') ||
               byName(document.getElementsByTagName('*'), id, 'name');
    }

    function fire(el, type) {
        el.dispatchEvent(new Event(type, {bubbles: true}));
    }

    // A ticked row shows why as its tooltip; unticking gives back the site's own.
    function setWhy(row, value, reason) {
        var kept = 'data-postling-title';
        if (value && reason) {
            if (!row.hasAttribute(kept)) {
                row.setAttribute(kept, row.getAttribute('title') || '');
            }
            row.title = String(reason);
        } else if (!value && row.hasAttribute(kept)) {
            var own = row.getAttribute(kept);
            row.removeAttribute(kept);
            if (own) {
                row.title = own;
            } else {
                row.removeAttribute('title');
            }
        }
    }

    // The inbox of a form with one check box per message: each box's row is its parent's parent.
    function boxRows(boxes) {
        return {rows: boxes.map(function (el) {
            var row = el.parentElement && el.parentElement.parentElement;
            return {
                text: row ? row.innerText : '',
                className: row ? String(row.className || '') : '',
                bold: row ? row.outerHTML.toUpperCase().indexOf('<B>') >= 0 : false,
                newmail: row ? row.innerHTML.toLowerCase().indexOf('newmail') >= 0 : false,
                checked: !!el.checked,
                checkbox: lower(el.type) === 'checkbox',
                title: row ? String(row.title || '') : ''
            };
        })};
    }

    // Ticks (or unticks) the boxes at these places of the same list, saying why (reasons[k] for
    // indices[k]).
    function tickBoxes(boxes, indices, value, reasons) {
        indices.forEach(function (i, k) {
            var box = boxes[i];
            if (!box) {
                return;
            }
            box.checked = value;
            var row = box.parentElement && box.parentElement.parentElement;
            if (row) {
                setWhy(row, value, reasons && reasons[k]);
            }
        });
        return {changed: indices.length};
    }

    // The two inbox operations of a site whose inbox is a form of check boxes, given how the
    // site's boxes are found (null: no inbox on this page).
    function boxInbox(boxes) {
        return {
            inboxRows: function () {
                var b = boxes();
                return b ? boxRows(b) : {error: 'noform'};
            },
            setChecked: function (indices, value, reasons) {
                var b = boxes();
                return b ? tickBoxes(b, indices, value, reasons) : {error: 'noform'};
            }
        };
    }

    window.postling = {
        sites: {},
        util: {crlf: crlf, lower: lower, form: form, field: field, all: all, fire: fire,
               setWhy: setWhy, boxInbox: boxInbox},

        // The visible text of the page, lines ended by CR LF; with a site's key, also whether
        // a compose form is on show, where that site's module can tell.
        pageText: function (site) {
            if (!document.body) {
                return {error: 'nobody'};
            }
            // A password field: the site asks the person to sign in (again).
            var out = {text: crlf(document.body.innerText), url: location.href,
                       signIn: !!document.querySelector('input[type=password]')};
            var module = site && window.postling.sites[site];
            if (module && module.composeShown) {
                out.compose = module.composeShown();
            }
            return out;
        },

        // Values of named fields of a named form: null for a field that is missing.
        formFields: function (formName, names) {
            var f = form(formName);
            if (!f) {
                return {error: 'noform'};
            }
            var values = {};
            names.forEach(function (n) {
                var el = field(f, n);
                values[n] = el ? String(el.value) : null;
            });
            return {fields: values};
        },

        // Writes field values as if typed; names missing from the form are reported.
        setFormFields: function (formName, values) {
            var f = form(formName);
            if (!f) {
                return {error: 'noform'};
            }
            var missing = [];
            Object.keys(values).forEach(function (n) {
                var el = field(f, n);
                if (!el) {
                    missing.push(n);
                    return;
                }
                el.value = values[n];
                fire(el, 'input');
                fire(el, 'change');
            });
            return {missing: missing};
        },

        // Posts a form as the page's own button would, optionally with text added to its action.
        submitForm: function (formName, actionSuffix) {
            var f = form(formName);
            if (!f) {
                return {error: 'noform'};
            }
            if (actionSuffix) {
                f.action = f.getAttribute('action') + actionSuffix;
            }
            f.submit();
            return {submitted: true};
        },

        // Clicks a named field of a form, as the user would (a submit or image button).
        clickField: function (formName, name) {
            var el = field(form(formName), name);
            if (!el) {
                return {error: 'nofield'};
            }
            el.click();
            return {clicked: true};
        },

        // The parts of a saved message in the preview, each as its element's text.
        savedMessage: function () {
            var parts = {};
            var ids = ['replyto', 'to', 'cc', 'bcc', 'subject', 'body'];
            for (var i = 0; i < ids.length; i++) {
                var el = all(ids[i]);
                if (!el) {
                    return {error: 'noelement'};
                }
                // A label's non-breaking space reads as a blank here, so that it never
                // reaches a compose field.
                parts[ids[i]] = crlf(el.innerText).replace(/\u00a0/g, ' ');
            }
            return parts;
        },

        // innerHTML or innerText of the document's All(id).
        element: function (id) {
            var el = all(id);
            if (!el) {
                return {error: 'noelement'};
            }
            return {html: el.innerHTML, text: crlf(el.innerText)};
        }
    };

    // Form posts: report what each submission sends, so Postling can keep a copy of sent mail.
    // The engine fires "formdata" twice for one submission; the first carries the button.
    var lastForm = null;
    var lastTime = 0;
    var queue = [];
    var capture = null;

    function send(report) {
        if (capture) {
            capture.report(report);
        } else {
            queue.push(report);
        }
    }

    if (typeof QWebChannel !== 'undefined' && typeof qt !== 'undefined' && qt.webChannelTransport) {
        new QWebChannel(qt.webChannelTransport, function (channel) {
            capture = channel.objects.postCapture;
            queue.forEach(send);
            queue = [];
        });
    }

    // What a site says on its page that Postling waits for (Roundcube's "Message sent").
    window.postling.util.siteMessage = function (message) {
        if (capture) {
            capture.siteMessage(message);
        }
    };

    document.addEventListener('formdata', function (event) {
        var f = event.target;
        var now = Date.now();
        if (f === lastForm && now - lastTime < 300) {
            return;
        }
        lastForm = f;
        lastTime = now;
        var entries = [];
        event.formData.forEach(function (value, name) {
            entries.push([name, typeof value === 'string' ? value : (value.name || '')]);
        });
        send({
            entries: entries,
            charset: f.acceptCharset || document.characterSet,
            method: lower(f.method || 'get'),
            enctype: lower(f.enctype || 'application/x-www-form-urlencoded'),
            action: f.action,
            time: now
        });
    }, true);
})();
