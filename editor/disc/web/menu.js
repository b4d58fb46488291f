// The disc's web menu: categories, their items and the chosen item's details, from the data that
// the disc build wrote into data.js. Every text from the disc goes into the page as text, never as
// markup. The address of the page (#c2 or #c2-5) holds the choice, so that the browser's back
// button and a bookmark work, and links carry the choice, so that Tab and Enter reach everything.
(function () {
    'use strict';
    var menu = window.LUMBREL_MENU;
    if (!menu) {
        return;
    }
    var texts = menu.t;

    function element(tag, className, text) {
        var e = document.createElement(tag);
        if (className) {
            e.className = className;
        }
        if (text !== undefined) {
            e.textContent = text;
        }
        return e;
    }

    function icon(src) {
        var img = element('img', 'icon');
        img.src = src;
        // The caption beside it says what the icon shows.
        img.alt = '';
        return img;
    }

    function choiceFromAddress() {
        var match = /^#c(\d+)(?:-(\d+))?$/.exec(window.location.hash);
        if (!match) {
            return { category: -1, item: -1 };
        }
        var category = parseInt(match[1], 10);
        var item = match[2] === undefined ? -1 : parseInt(match[2], 10);
        if (category >= menu.c.length) {
            return { category: -1, item: -1 };
        }
        if (item >= menu.c[category].e.length) {
            item = -1;
        }
        return { category: category, item: item };
    }

    function link(href, className, text) {
        var a = element('a', className, text);
        a.href = href;
        return a;
    }

    function showCategories() {
        var list = document.getElementById('category-list');
        menu.c.forEach(function (category, index) {
            var li = element('li');
            var a = link('#c' + index, 'category');
            if (category.i) {
                a.appendChild(icon(category.i));
            }
            a.appendChild(element('span', 'caption', category.n));
            li.appendChild(a);
            list.appendChild(li);
        });
    }

    // Marks the chosen one of a list's links; the others lose the mark.
    function markChosen(selector, chosen) {
        var links = document.querySelectorAll(selector);
        for (var i = 0; i < links.length; i++) {
            if (i === chosen) {
                links[i].setAttribute('aria-current', 'true');
            } else {
                links[i].removeAttribute('aria-current');
            }
        }
    }

    function showItems(choice) {
        var heading = document.getElementById('item-heading');
        var list = document.getElementById('item-list');
        list.textContent = '';
        if (choice.category < 0) {
            heading.textContent = texts.files;
            list.appendChild(element('li', 'hint', texts.choose));
            return;
        }
        var category = menu.c[choice.category];
        heading.textContent = texts.files + ' ' + texts['in'] + ' ' + category.n;
        var rows = document.createDocumentFragment();
        category.e.forEach(function (item, index) {
            var li = element('li');
            var a = link('#c' + choice.category + '-' + index, 'item');
            if (item.i) {
                a.appendChild(icon(item.i));
            }
            a.appendChild(element('span', 'caption', item.n));
            li.appendChild(a);
            rows.appendChild(li);
        });
        list.appendChild(rows);
    }

    function detailRow(list, label, value, className) {
        list.appendChild(element('dt', null, label));
        var dd = element('dd', className);
        if (typeof value === 'string') {
            dd.textContent = value || texts.na;
        } else {
            dd.appendChild(value);
        }
        list.appendChild(dd);
    }

    function homePage(item) {
        if (!item.u) {
            return texts.na;
        }
        var a = link(item.u, 'homepage', item.ut);
        a.target = '_blank';
        a.rel = 'noopener noreferrer';
        a.title = texts.newTab;
        return a;
    }

    function action(item) {
        if (!item.h) {
            return null;
        }
        var caption = item.a === 'link' ? texts.openLink : item.a === 'folder' ? texts.openFolder : texts.open;
        var a = link(item.h, 'button', caption);
        a.id = 'open';
        if (item.a === 'link') {
            a.target = '_blank';
            a.rel = 'noopener noreferrer';
            a.title = texts.newTab;
        }
        return a;
    }

    function richText(paragraphs) {
        var box = document.createDocumentFragment();
        paragraphs.forEach(function (paragraph) {
            var p = element('p', paragraph.a ? 'align-' + paragraph.a : null);
            paragraph.r.forEach(function (run) {
                p.appendChild(element('span', run[1] || null, run[0]));
            });
            box.appendChild(p);
        });
        return box;
    }

    function information(item) {
        var section = element('section', 'info');
        section.setAttribute('aria-labelledby', 'info-heading');
        var heading = element('h3', null, texts.information);
        heading.id = 'info-heading';
        section.appendChild(heading);
        if (item.r) {
            section.appendChild(richText(item.r));
        } else if (item.x) {
            section.appendChild(element('pre', 'plain', item.x));
        } else {
            section.appendChild(element('p', 'hint', texts.noInfo));
        }
        return section;
    }

    function screenshot(item) {
        var figure = element('figure', 'screenshot');
        var heading = element('h3', null, texts.screenshot);
        figure.appendChild(heading);
        if (item.g) {
            var img = element('img');
            img.src = item.g;
            img.alt = item.n + ' - ' + texts.screenshot;
            figure.appendChild(img);
        } else {
            figure.appendChild(element('p', 'hint', texts.noPicture));
        }
        return figure;
    }

    function showDetails(choice) {
        var heading = document.getElementById('detail-heading');
        var body = document.getElementById('detail-body');
        body.textContent = '';
        if (choice.item < 0) {
            heading.textContent = texts.details;
            body.appendChild(element('p', 'hint', choice.category < 0 ? texts.choose : texts.select));
            return;
        }
        var item = menu.c[choice.category].e[choice.item];
        heading.textContent = texts.details + ' ' + texts.of + ' ' + item.n;
        var list = element('dl');
        detailRow(list, texts.name, item.p || '', 'target');
        detailRow(list, texts.serial, item.s || '');
        detailRow(list, texts.cdSize, item.cs || '');
        detailRow(list, texts.hdSize, item.hs || '');
        detailRow(list, texts.description, item.d || '', 'description');
        detailRow(list, texts.homepage, homePage(item));
        body.appendChild(list);
        var open = action(item);
        if (open) {
            var actions = element('p', 'actions');
            actions.appendChild(open);
            body.appendChild(actions);
        }
        body.appendChild(information(item));
        body.appendChild(screenshot(item));
    }

    var shownCategory = null;

    // The lists keep their links while the choice changes, so that the focus stays where the
    // keyboard left it; only a new category fills the item list anew.
    function update() {
        var choice = choiceFromAddress();
        markChosen('#category-list a', choice.category);
        if (choice.category !== shownCategory) {
            showItems(choice);
            shownCategory = choice.category;
        }
        markChosen('#item-list a', choice.item);
        showDetails(choice);
    }

    document.getElementById('category-heading').textContent = texts.categories;
    showCategories();
    window.addEventListener('hashchange', update);
    update();
}());
