// ==UserScript==
// @name qingwu-widgets
// @include qingwu://*
// @run-at document-end
// ==/UserScript==
//
// The shop's widgets for local previews: every element of class J_TWidget
// with a data-widget-type of Carousel, Popup, Accordion or Countdown is
// brought to life from its data-widget-config, as the marketplace does with
// a published page. Plain script, no library; the configuration, an object
// written with single quotes, is read by a small parser of its own and never
// run as code. A widget that cannot start logs one line and stays as written;
// the others start all the same.
(function () {
    'use strict';
    if (window.qingwuWidgets || location.protocol !== 'qingwu:') return;

    // ---- The configuration text ------------------------------------------

    // Reads an object literal: single- or double-quoted strings, numbers,
    // true/false/null, nested objects and arrays, bare or quoted keys,
    // trailing commas and any white space (CR LF included) between tokens.
    function parseConfig(text) {
        var pos = 0;
        function fail(what) {
            throw new Error(what + ' at ' + pos);
        }
        function blank() {
            while (pos < text.length && /\s/.test(text.charAt(pos))) pos++;
        }
        function string() {
            var quote = text.charAt(pos++), out = '';
            while (pos < text.length) {
                var c = text.charAt(pos++);
                if (c === quote) return out;
                if (c === '\\' && pos < text.length) {
                    var e = text.charAt(pos++);
                    out += e === 'n' ? '\n' : e === 't' ? '\t' : e === 'r' ? '\r' : e;
                } else {
                    out += c;
                }
            }
            fail('unterminated string');
        }
        function word() {
            var start = pos;
            while (pos < text.length && /[\w$.+\-]/.test(text.charAt(pos))) pos++;
            return text.slice(start, pos);
        }
        function value() {
            blank();
            var c = text.charAt(pos);
            if (c === '{') return object();
            if (c === '[') return array();
            if (c === '\'' || c === '"') return string();
            var w = word();
            if (w === 'true') return true;
            if (w === 'false') return false;
            if (w === 'null') return null;
            if (w !== '' && isFinite(Number(w))) return Number(w);
            fail('unexpected "' + (w || c) + '"');
        }
        function object() {
            var out = {};
            pos++;
            for (;;) {
                blank();
                if (text.charAt(pos) === '}') { pos++; return out; }
                var c = text.charAt(pos);
                var key = c === '\'' || c === '"' ? string() : word();
                if (key === '') fail('missing key');
                blank();
                if (text.charAt(pos++) !== ':') fail('missing colon');
                out[key] = value();
                blank();
                c = text.charAt(pos);
                if (c === ',') pos++;
                else if (c !== '}') fail('missing comma');
            }
        }
        function array() {
            var out = [];
            pos++;
            for (;;) {
                blank();
                if (text.charAt(pos) === ']') { pos++; return out; }
                out.push(value());
                blank();
                var c = text.charAt(pos);
                if (c === ',') pos++;
                else if (c !== ']') fail('missing comma');
            }
        }
        blank();
        if (text.charAt(pos) !== '{') fail('not an object');
        var result = object();
        blank();
        if (pos < text.length) fail('text after the object');
        return result;
    }

    // ---- Small helpers ------------------------------------------------------

    function number(v, fallback) {
        var n = typeof v === 'number' ? v : parseFloat(v);
        return isFinite(n) ? n : fallback;
    }
    function flag(v) {
        return v === true || v === 'true' || v === 1 || v === '1';
    }
    function className(v) {
        return String(v || '').replace(/^\s*\./, '').trim();
    }
    // Elements under root named by a class ("kavri_nav") or a selector (".ks-d").
    function find(root, name) {
        if (!name) return [];
        var text = String(name).trim();
        try {
            return Array.prototype.slice.call(
                root.querySelectorAll(text.charAt(0) === '.' || text.charAt(0) === '#' ? text : '.' + text));
        } catch (e) {
            return [];
        }
    }
    function first(root, name) {
        return find(root, name)[0] || null;
    }
    function children(el) {
        return el ? Array.prototype.slice.call(el.children) : [];
    }
    function addClass(el, name) {
        if (el && name) el.classList.add(name);
    }
    function removeClass(el, name) {
        if (el && name) el.classList.remove(name);
    }
    function show(el) {
        el.style.display = '';
        if (getComputedStyle(el).display === 'none') el.style.display = 'block';
    }
    function hide(el) {
        el.style.display = 'none';
    }

    // Animation curves by the names the marketplace uses.
    function bounceOut(t) {
        if (t < 1 / 2.75) return 7.5625 * t * t;
        if (t < 2 / 2.75) return 7.5625 * (t -= 1.5 / 2.75) * t + 0.75;
        if (t < 2.5 / 2.75) return 7.5625 * (t -= 2.25 / 2.75) * t + 0.9375;
        return 7.5625 * (t -= 2.625 / 2.75) * t + 0.984375;
    }
    function elasticOut(t) {
        if (t === 0 || t === 1) return t;
        return Math.pow(2, -10 * t) * Math.sin((t - 0.075) * (2 * Math.PI) / 0.3) + 1;
    }
    var BACK = 1.70158;
    var easings = {
        easeNone: function (t) { return t; },
        easeIn: function (t) { return t * t; },
        easeOut: function (t) { return (2 - t) * t; },
        easeBoth: function (t) { return t < 0.5 ? 2 * t * t : -2 * t * t + 4 * t - 1; },
        easeInStrong: function (t) { return t * t * t * t; },
        easeOutStrong: function (t) { return 1 - (--t) * t * t * t; },
        easeBothStrong: function (t) {
            return t < 0.5 ? 8 * t * t * t * t : 1 - 8 * (--t) * t * t * t;
        },
        backIn: function (t) { return t * t * ((BACK + 1) * t - BACK); },
        backOut: function (t) { return (t -= 1) * t * ((BACK + 1) * t + BACK) + 1; },
        backBoth: function (t) {
            var s = BACK * 1.525;
            if ((t *= 2) < 1) return 0.5 * (t * t * ((s + 1) * t - s));
            return 0.5 * ((t -= 2) * t * ((s + 1) * t + s) + 2);
        },
        bounceIn: function (t) { return 1 - bounceOut(1 - t); },
        bounceOut: bounceOut,
        bounceBoth: function (t) {
            return t < 0.5 ? (1 - bounceOut(1 - 2 * t)) * 0.5 : bounceOut(2 * t - 1) * 0.5 + 0.5;
        },
        elasticIn: function (t) { return 1 - elasticOut(1 - t); },
        elasticOut: elasticOut,
        elasticBoth: function (t) {
            return t < 0.5 ? (1 - elasticOut(1 - 2 * t)) * 0.5 : elasticOut(2 * t - 1) * 0.5 + 0.5;
        }
    };

    // Moves one style property (in px) of el to a target over `seconds`.
    function animate(el, property, target, seconds, easing, state) {
        if (state.frame) cancelAnimationFrame(state.frame);
        var from = parseFloat(el.style[property]) || 0;
        var curve = easings[easing] || easings.easeNone;
        var ms = Math.max(0, seconds * 1000);
        var start = null;
        if (ms === 0 || from === target) {
            el.style[property] = target + 'px';
            return;
        }
        function step(now) {
            if (start === null) start = now;
            var t = Math.min(1, (now - start) / ms);
            el.style[property] = Math.round(from + (target - from) * curve(t)) + 'px';
            state.frame = t < 1 ? requestAnimationFrame(step) : 0;
        }
        state.frame = requestAnimationFrame(step);
    }

    // ---- Carousel -------------------------------------------------------------

    // Panels are the children of the contentCls element, triggers the children
    // of the navCls element. The current trigger carries activeTriggerCls.
    function carousel(root, config) {
        var content = first(root, config.contentCls);
        if (!content) throw new Error('no element of contentCls "' + config.contentCls + '"');
        var panels = children(content);
        if (panels.length === 0) throw new Error('no panels');
        var triggers = children(first(root, config.navCls));
        var effect = String(config.effect || 'none');
        var duration = number(config.duration, 0.5);
        var interval = number(config.interval, 5) * 1000;
        var delay = number(config.delay, 0.1) * 1000;
        var easing = String(config.easing || 'easeNone');
        var circular = flag(config.circular);
        var activeCls = className(config.activeTriggerCls) || 'ks-active';
        var clickOnly = String(config.triggerType || 'mouse') === 'click';
        var state = { index: 0, frame: 0 };
        var count = panels.length;

        var horizontal = effect === 'scrollx';
        var scrolling = horizontal || effect === 'scrolly';
        if (scrolling) {
            if (getComputedStyle(content).position === 'static') content.style.position = 'relative';
            if (horizontal) {
                panels.forEach(function (p) { p.style.cssFloat = 'left'; });
                var w = panels[0].offsetWidth;
                if (w > 0 && (parseFloat(content.style.width) || 0) < w * count)
                    content.style.width = w * count + 'px';
            }
        } else {
            panels.forEach(function (p, i) { if (i !== 0) hide(p); });
        }

        function offsetOf(index) {
            var p = panels[index];
            return horizontal ? -p.offsetLeft : -p.offsetTop;
        }

        function switchTo(index) {
            if (index === state.index) return;
            var old = state.index;
            state.index = index;
            triggers.forEach(function (t, i) {
                if (i === index) addClass(t, activeCls);
                else removeClass(t, activeCls);
            });
            if (scrolling) {
                animate(content, horizontal ? 'left' : 'top', offsetOf(index), duration, easing, state);
            } else {
                hide(panels[old]);
                show(panels[index]);
                if (effect === 'fade') {
                    panels[index].style.opacity = '0';
                    panels[index].style.transition = 'opacity ' + duration + 's';
                    requestAnimationFrame(function () { panels[index].style.opacity = '1'; });
                }
            }
        }

        function next() {
            if (state.index < count - 1) switchTo(state.index + 1);
            else if (circular) switchTo(0);
        }
        function prev() {
            if (state.index > 0) switchTo(state.index - 1);
            else if (circular) switchTo(count - 1);
        }

        triggers.forEach(function (t, i) {
            if (i >= count) return;
            var timer = 0;
            t.addEventListener('click', function () { switchTo(i); });
            if (!clickOnly) {
                t.addEventListener('mouseenter', function () {
                    clearTimeout(timer);
                    timer = setTimeout(function () { switchTo(i); }, delay);
                });
                t.addEventListener('mouseleave', function () { clearTimeout(timer); });
            }
        });
        find(root, config.prevBtnCls).forEach(function (b) {
            b.addEventListener('click', function (e) { e.preventDefault(); prev(); });
        });
        find(root, config.nextBtnCls).forEach(function (b) {
            b.addEventListener('click', function (e) { e.preventDefault(); next(); });
        });

        addClass(triggers[0], activeCls);

        if (flag(config.autoplay) && count > 1) {
            // Autoplay goes round and round; the pointer on the widget pauses it.
            var paused = false;
            root.addEventListener('mouseenter', function () { paused = true; });
            root.addEventListener('mouseleave', function () { paused = false; });
            setInterval(function () {
                if (!paused) switchTo((state.index + 1) % count);
            }, Math.max(interval, 50));
        }
    }

    // ---- Popup ---------------------------------------------------------------

    // While the pointer rests on a trigger (or on the popup itself) the popup
    // shows, one point of it on one point of the align node: points
    // [node point, popup point], each of t/c/b and l/c/r.
    function popup(root, config) {
        var triggers = find(document, config.trigger);
        if (triggers.length === 0) throw new Error('no trigger "' + config.trigger + '"');
        var align = config.align || {};
        var offset = align.offset || [0, 0];
        var points = align.points || ['cc', 'cc'];
        var hideTimer = 0;

        function pointOf(rect, point, axis) {
            var c = String(point || 'cc').charAt(axis === 'y' ? 0 : 1);
            var start = axis === 'y' ? rect.top : rect.left;
            var size = axis === 'y' ? rect.height : rect.width;
            if (c === 't' || c === 'l') return start;
            if (c === 'b' || c === 'r') return start + size;
            return start + size / 2;
        }

        function open(trigger) {
            clearTimeout(hideTimer);
            root.classList.remove('hidden', 'ks-popup-hidden', 'ks-overlay-hidden');
            root.style.display = 'block';
            root.style.visibility = 'visible';
            root.style.position = 'absolute';
            if (!root.style.zIndex) root.style.zIndex = '9999';
            var node = trigger;
            if (align.node) {
                var named = find(document, align.node);
                node = named.indexOf(trigger) >= 0 ? trigger : named[0] || trigger;
            }
            var target = node.getBoundingClientRect();
            var own = root.getBoundingClientRect();
            var x = pointOf(target, points[0], 'x') - (pointOf(own, points[1], 'x') - own.left);
            var y = pointOf(target, points[0], 'y') - (pointOf(own, points[1], 'y') - own.top);
            // The origin of the popup's left and top: its positioned ancestor's
            // padding box, or the document's.
            var parent = root.offsetParent;
            var originX = -window.scrollX, originY = -window.scrollY;
            if (parent && !(parent === document.body && getComputedStyle(parent).position === 'static')) {
                var base = parent.getBoundingClientRect();
                originX = base.left + parent.clientLeft - parent.scrollLeft;
                originY = base.top + parent.clientTop - parent.scrollTop;
            }
            root.style.left = Math.round(x - originX + number(offset[0], 0)) + 'px';
            root.style.top = Math.round(y - originY + number(offset[1], 0)) + 'px';
        }
        function close() {
            hideTimer = setTimeout(function () {
                root.style.visibility = 'hidden';
                root.style.display = 'none';
            }, 100);
        }

        triggers.forEach(function (t) {
            t.addEventListener('mouseenter', function () { open(t); });
            t.addEventListener('mouseleave', close);
        });
        root.addEventListener('mouseenter', function () { clearTimeout(hideTimer); });
        root.addEventListener('mouseleave', close);
    }

    // ---- Accordion --------------------------------------------------------------

    // Headers of triggerCls open the panel of panelCls with the same index; the
    // first panel starts open. Unless multiple, opening one closes the others;
    // with multiple a click on an open header closes it again.
    function accordion(root, config) {
        var triggers = find(root, config.triggerCls);
        var panels = find(root, config.panelCls);
        if (triggers.length === 0 || panels.length === 0) throw new Error('no headers or panels');
        var multiple = flag(config.multiple);
        var clickOnly = String(config.triggerType || 'click') !== 'mouse';
        var activeCls = 'ks-active';

        function setOpen(i, open) {
            if (!panels[i]) return;
            if (open) {
                show(panels[i]);
                addClass(triggers[i], activeCls);
            } else {
                hide(panels[i]);
                removeClass(triggers[i], activeCls);
            }
        }
        function openOnly(i) {
            panels.forEach(function (p, k) { setOpen(k, k === i); });
        }
        function activate(i, toggle) {
            if (!multiple) openOnly(i);
            else setOpen(i, toggle ? panels[i].style.display === 'none' : true);
        }
        openOnly(0);
        triggers.forEach(function (t, i) {
            t.addEventListener('click', function () { activate(i, true); });
            if (!clickOnly) t.addEventListener('mouseenter', function () { activate(i, false); });
        });
    }

    // ---- Countdown ------------------------------------------------------------

    // "2015-03-01 01:01:25", "2014-11-12  00:00:00", "2015/3/1": local time.
    function parseEndTime(text) {
        var parts = String(text).match(/\d+/g);
        if (!parts || parts.length < 3) return NaN;
        var n = parts.map(Number);
        var when = new Date(n[0], n[1] - 1, n[2], n[3] || 0, n[4] || 0, n[5] || 0);
        return when.getFullYear() === n[0] ? when.getTime() : NaN;
    }

    // Fills the unit elements with days, hours, minutes, seconds and tenths
    // ('i'); a unit that is not configured rolls into the next smaller one.
    // At the end the running elements hide and the end elements show.
    function countdown(root, config) {
        var end = parseEndTime(config.endTime);
        if (isNaN(end)) throw new Error('end time "' + config.endTime + '" is not a date');
        var units = config.timeUnitCls || {};
        var sizes = [['d', 86400000], ['h', 3600000], ['m', 60000], ['s', 1000], ['i', 100]];
        var digits = Math.max(1, number(config.minDigit, 2));
        var running = find(root, config.timeRunCls);
        var ended = find(root, config.timeEndCls);
        var timer = 0;
        var over = false;

        function pad(v) {
            var text = String(v);
            while (text.length < digits) text = '0' + text;
            return text;
        }
        function update() {
            var left = end - Date.now();
            if (left <= 0) {
                clearInterval(timer);
                left = 0;
            }
            sizes.forEach(function (unit) {
                if (!units[unit[0]]) return;
                var value = Math.floor(left / unit[1]);
                left -= value * unit[1];
                find(root, units[unit[0]]).forEach(function (el) { el.textContent = pad(value); });
            });
            over = end - Date.now() <= 0;
            running.forEach(over ? hide : show);
            ended.forEach(over ? show : hide);
        }
        update();
        if (!over) timer = setInterval(update, Math.max(number(config.interval, 1000), 50));
    }

    // ---- Start -----------------------------------------------------------------

    var kinds = { Carousel: carousel, Popup: popup, Accordion: accordion, Countdown: countdown };

    function start(root) {
        var type = root.getAttribute('data-widget-type');
        try {
            var kind = kinds[type];
            if (!kind) throw new Error('unknown widget type "' + type + '"');
            kind(root, parseConfig(root.getAttribute('data-widget-config') || '{}'));
            window.qingwuWidgets.started++;
        } catch (e) {
            console.warn('qingwu widgets: ' + type + ' left as written: ' + e.message);
        }
    }

    window.qingwuWidgets = { parseConfig: parseConfig, started: 0 };
    var all = document.getElementsByClassName('J_TWidget');
    Array.prototype.slice.call(all).forEach(start);
})();
