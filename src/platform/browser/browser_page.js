// The page side of the browser back end: the canvas, the input the page sees,
// the waits that hand the page back its turn, the sound and the storage.
// Linked into the program with --js-library.

var LibraryFandriassPage = {
  $Page: {
    canvas: null,
    context: null,
    // Input waiting for the program, oldest first: [kind, a, b, c].
    events: [],
    // Ends the program's wait early; set only while it waits.
    wake: null,
    stylusDown: false,
    textWanted: false,
    // The hidden field a phone's own keyboard types into, and what the game
    // has been sent of it since the field was emptied.
    textField: null,
    textSent: '',
    audio: null,

    // Waits for the database's one answer to what `ask` starts: 1 or 0, and 0
    // when asking throws or no answer comes in five seconds, since a
    // database that never answers is as good as none.
    databaseAnswer: function(ask) {
      return Asyncify.handleSleep(function(wakeUp) {
        var answered = false;
        var answer = function(ok) {
          if (answered) return;
          answered = true;
          wakeUp(ok);
        };
        try {
          ask(answer);
        } catch (e) {
          setTimeout(function() { answer(0); }, 0);
        }
        setTimeout(function() { answer(0); }, 5000);
      });
    },

    // The largest whole zoom of the screen that fits the page, in the
    // display's own pixels, centred on black; a page too small for zoom 1
    // gets the largest fit, smoothed.
    layout: function() {
      var canvas = Page.canvas;
      var ratio = window.devicePixelRatio || 1;
      var roomW = Math.floor(window.innerWidth * ratio);
      var roomH = Math.floor(window.innerHeight * ratio);
      var fit = Math.min(roomW / canvas.width, roomH / canvas.height);
      var zoom = Math.floor(fit);
      var w, h;
      if (zoom >= 1) {
        w = canvas.width * zoom;
        h = canvas.height * zoom;
        canvas.style.imageRendering = 'pixelated';
      } else {
        w = Math.floor(canvas.width * fit);
        h = Math.floor(canvas.height * fit);
        canvas.style.imageRendering = 'auto';
      }
      canvas.style.width = (w / ratio) + 'px';
      canvas.style.height = (h / ratio) + 'px';
      canvas.style.left = (Math.floor((roomW - w) / 2) / ratio) + 'px';
      canvas.style.top = (Math.floor((roomH - h) / 2) / ratio) + 'px';
      canvas.dataset.zoom = String(zoom);
    },

    post: function(kind, a, b, c) {
      Page.events.push([kind, a, b, c]);
      if (Page.wake) {
        var wake = Page.wake;
        Page.wake = null;
        // The program goes on after the handler, not inside it.
        queueMicrotask(wake);
      }
    },

    // The screen pixel under a page point, pulled onto the screen's edge.
    devicePoint: function(event) {
      var canvas = Page.canvas;
      var box = canvas.getBoundingClientRect();
      var x = Math.floor((event.clientX - box.left) * canvas.width / box.width);
      var y = Math.floor((event.clientY - box.top) * canvas.height / box.height);
      return [
        Math.max(0, Math.min(canvas.width - 1, x)), Math.max(0, Math.min(canvas.height - 1, y))
      ];
    },

    // A sound card's change of state that no longer matters (the context was
    // closed while it resumed, say) is nothing to report.
    ignore: function() {},

    // Browsers start sound only from a player's gesture.
    startSound: function() {
      if (Page.audio && Page.audio.state === 'suspended') Page.audio.resume().catch(Page.ignore);
    },

    // The keys of the desktop keyboard as the game's virtual-key codes.
    virtualKey: function(event) {
      switch (event.key) {
        case 'Enter':
          return 13;
        case 'Escape':
          return 27;
        case 'ArrowLeft':
          return 37;
        case 'ArrowUp':
          return 38;
        case 'ArrowRight':
          return 39;
        case 'ArrowDown':
          return 40;
        case 'Backspace':
          return 8;
        case 'Tab':
          return 9;
        case 'End':
          return 35;
        case 'Home':
          return 36;
        case 'Delete':
          return 46;
        case 'F2':
          return 113;
      }
      if (event.key.length === 1) {
        var c = event.key.toUpperCase().charCodeAt(0);
        if (c >= 65 && c <= 90) return c;
      }
      return 0;
    },

    // A phone shows its keyboard only for a field focused by the player's
    // touch: while the game wants text, each touch focuses the hidden field.
    offerKeyboard: function() {
      if (Page.textWanted && document.activeElement !== Page.textField)
        Page.textField.focus({preventScroll: true});
    },

    // The field starts with a blank the player can delete too, so that a
    // Backspace on it still reaches the game's own field.
    emptyTextField: function() {
      Page.textField.value = ' ';
      Page.textSent = '';
    },

    // What the phone's keyboard typed, corrected or took back (a word it
    // completes replaces what it had typed) reaches the game as the
    // Backspaces and characters that make the same change.
    textTyped: function() {
      var had = ' ' + Page.textSent;
      var now = Page.textField.value;
      var same = 0;
      while (same < had.length && same < now.length && had[same] === now[same]) ++same;
      for (var gone = had.length; gone > same; --gone) {
        Page.post(4, 8, 0, 0);
        Page.post(5, 8, 0, 0);
      }
      for (var i = same; i < now.length; ++i) Page.post(6, now.charCodeAt(i), 0, 0);
      if (now.charAt(0) === ' ') {
        Page.textSent = now.substring(1);
      } else {
        Page.emptyTextField();
      }
    },

    listen: function() {
      var canvas = Page.canvas;
      // Mouse, pen and touch alike come as pointer events; the mouse events a
      // touch would also make are never listened to, so a touch taps once.
      canvas.addEventListener('pointerdown', function(event) {
        Page.startSound();
        if (!event.isPrimary || event.button !== 0 || Page.stylusDown) return;
        event.preventDefault();
        Page.offerKeyboard();
        canvas.setPointerCapture(event.pointerId);
        Page.stylusDown = true;
        var p = Page.devicePoint(event);
        Page.post(1, p[0], p[1], 0);
      });
      canvas.addEventListener('pointermove', function(event) {
        if (!Page.stylusDown || !event.isPrimary) return;
        var p = Page.devicePoint(event);
        Page.post(2, p[0], p[1], 0);
      });
      var lift = function(event) {
        if (!Page.stylusDown || !event.isPrimary) return;
        // A touch counts as the player's own only once it lifts.
        Page.offerKeyboard();
        Page.stylusDown = false;
        var p = Page.devicePoint(event);
        Page.post(3, p[0], p[1], 0);
      };
      canvas.addEventListener('pointerup', lift);
      canvas.addEventListener('pointercancel', lift);
      canvas.addEventListener('contextmenu', function(event) { event.preventDefault(); });
      window.addEventListener('keydown', function(event) {
        Page.startSound();
        // The browser's own shortcuts (reload, full screen...) stay the browser's.
        if (event.ctrlKey || event.metaKey || event.altKey) return;
        var key = Page.virtualKey(event);
        var typed = Page.textWanted && event.key.length === 1;
        if (!key && !typed) return;
        event.preventDefault();
        if (key) Page.post(4, key, event.repeat ? 1 : 0, 0);
        if (typed) {
          for (var i = 0; i < event.key.length; ++i) Page.post(6, event.key.charCodeAt(i), 0, 0);
        }
      });
      window.addEventListener('keyup', function(event) {
        var key = Page.virtualKey(event);
        if (key) Page.post(5, key, 0, 0);
      });
      // A hidden tab is a desktop window that lost the focus: the game pauses.
      document.addEventListener(
          'visibilitychange', function() { Page.post(document.hidden ? 7 : 8, 0, 0, 0); });
      window.addEventListener('resize', Page.layout);
      Page.textField.addEventListener('input', Page.textTyped);
      // A closed or reloaded tab ends the game as the end of a desktop session
      // does: everything is saved, nothing is asked. The page will not wait,
      // so the program runs to its end at once.
      window.addEventListener('pagehide', function() {
        if (Page.ended) return;
        _fandriass_page_end();
        // The program has ended here; its put-aside wait must never resume.
        Page.ended = true;
        Page.wake = null;
      });
      // A page kept for the back button comes back ended: it starts again.
      window.addEventListener('pageshow', function(event) {
        if (event.persisted) location.reload();
      });
    },
  },

  fandriass_page_open: function(width, height) {
    var canvas = document.getElementById('screen');
    if (!canvas) return 0;
    canvas.width = width;
    canvas.height = height;
    Page.canvas = canvas;
    var field = document.createElement('input');
    field.type = 'text';
    field.setAttribute('autocomplete', 'off');
    field.setAttribute('autocorrect', 'off');
    field.setAttribute('autocapitalize', 'words');
    field.setAttribute('aria-label', 'Name');
    field.spellcheck = false;
    // Out of sight; a large enough font keeps a phone from zooming to it.
    field.style.cssText =
        'position:fixed;left:0;top:0;width:1px;height:1px;opacity:0;border:0;padding:0;' +
        'font-size:16px;pointer-events:none';
    document.body.appendChild(field);
    Page.textField = field;
    Page.emptyTextField();
    // A canvas out of step with the page's own painting costs the browser half
    // as much for each frame the game shows.
    Page.context = canvas.getContext('2d', {alpha: false, desynchronized: true});
    Page.layout();
    Page.listen();
    if (document.hidden) Page.post(7, 0, 0, 0);
    return 1;
  },

  // The resource pack the page downloaded, copied where the program can read
  // it for as long as it runs; 0 when there is none.
  fandriass_page_take_resources__deps: ['malloc'],
  fandriass_page_take_resources: function(size) {
    var pack = Module['resourcePack'];
    HEAP32[size >> 2] = 0;
    if (!pack || !pack.length) return 0;
    var at = _malloc(pack.length);
    if (!at) return 0;
    HEAPU8.set(pack, at);
    HEAP32[size >> 2] = pack.length;
    Module['resourcePack'] = null;
    return at;
  },

  fandriass_page_next_event: function(out) {
    var event = Page.events.shift();
    if (!event) return 0;
    for (var i = 0; i < 4; ++i) HEAP32[(out >> 2) + i] = event[i];
    return 1;
  },

  // Waits for input or for ms milliseconds (a negative ms: for input only),
  // giving the page its turn meanwhile.
  fandriass_page_wait: function(ms) {
    return Asyncify.handleSleep(function(wakeUp) {
      var timer = 0;
      var resume = function() {
        if (timer) clearTimeout(timer);
        timer = 0;
        Page.wake = null;
        if (!Page.ended) wakeUp(0);
      };
      Page.wake = resume;
      if (ms >= 0) timer = setTimeout(resume, ms);
    });
  },

  fandriass_page_sleep: function(ms) {
    return Asyncify.handleSleep(function(wakeUp) {
      setTimeout(function() {
        if (!Page.ended) wakeUp(0);
      }, ms);
    });
  },

  fandriass_page_present: function(pixels, width, height, left, top, right, bottom) {
    var canvas = Page.canvas;
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
      Page.layout();
      left = 0;
      top = 0;
      right = width;
      bottom = height;
    }
    var data = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4);
    Page.context.putImageData(
        new ImageData(data, width, height), 0, 0, left, top, right - left, bottom - top);
    // How long the page took to show the game, for whoever measures it.
    if (!canvas.dataset.frames) canvas.dataset.firstFrameMs = String(performance.now());
    canvas.dataset.frames = String((Number(canvas.dataset.frames) || 0) + 1);
  },

  fandriass_page_want_text: function(on) {
    Page.textWanted = !!on;
    if (on) return;
    // The phone's keyboard goes with the game's field.
    if (document.activeElement === Page.textField) Page.textField.blur();
    Page.emptyTextField();
  },

  // Waits for the page's lock, which the tab then holds for as long as it
  // lives: 1 once it has it, 0 when another tab keeps it (no answer in two
  // seconds; a tab being reloaded lets go of it sooner), and 1 when the
  // browser has no locks to give, since then the game plays as it always did.
  fandriass_page_claim: function() {
    if (typeof navigator === 'undefined' || !navigator.locks ||
        typeof AbortController === 'undefined')
      return 1;
    return Asyncify.handleSleep(function(wakeUp) {
      var answered = false;
      var answer = function(mine) {
        if (answered) return;
        answered = true;
        Page.otherTab = !mine;
        wakeUp(mine);
      };
      var giveUp = new AbortController();
      var timer = setTimeout(function() { giveUp.abort(); }, 2000);
      navigator.locks
          .request('fandriass-ii', {signal: giveUp.signal}, function() {
            clearTimeout(timer);
            answer(1);
            return new Promise(function() {});
          })
          .catch(function(error) { answer(error && error.name === 'AbortError' ? 0 : 1); });
    });
  },

  // The program ended: the page says so, and a tap starts it again.
  fandriass_page_close: function() {
    Page.ended = true;
    var canvas = Page.canvas;
    if (canvas) canvas.style.display = 'none';
    var ended = document.getElementById('ended');
    if (ended && Page.otherTab) ended.textContent = 'Fandriass II is open in another tab.';
    if (ended) {
      ended.style.display = 'flex';
      ended.addEventListener('click', function() { location.reload(); });
    }
  },

  // Sound from the game's own mixer: the page asks for each buffer as it is
  // about to play it, at the mixer's own rate.
  fandriass_page_audio_open: function(channels, buffer, frames) {
    var Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return 0;
    var audio;
    try {
      audio = new Context({sampleRate: 22050});
    } catch (e) {
      return 0;
    }
    var node = audio.createScriptProcessor(frames, 0, 2);
    node.onaudioprocess = function(event) {
      _fandriass_page_fill_audio();
      var left = event.outputBuffer.getChannelData(0);
      var right = event.outputBuffer.getChannelData(1);
      var samples = HEAP16.subarray(buffer >> 1, (buffer >> 1) + frames * channels);
      for (var i = 0; i < frames; ++i) {
        left[i] = samples[i * channels] / 32768;
        right[i] = samples[i * channels + channels - 1] / 32768;
      }
    };
    node.connect(audio.destination);
    Page.audio = audio;
    Page.audioNode = node;
    return 1;
  },

  fandriass_page_audio_rest: function() {
    if (Page.audio && Page.audio.state === 'running') {
      Page.audio.suspend().catch(Page.ignore);
      Page.audioResting = true;
    }
  },

  // Only a context the page itself put to rest is woken: one the browser
  // holds back until a gesture stays for the first tap.
  fandriass_page_audio_wake: function() {
    if (Page.audio && Page.audioResting) {
      Page.audioResting = false;
      Page.audio.resume().catch(Page.ignore);
    }
  },

  fandriass_page_audio_close: function() {
    if (!Page.audio) return;
    Page.audioNode.disconnect();
    Page.audio.close().catch(Page.ignore);
    Page.audio = null;
  },

  // The records' folder kept in the browser's database: read before the game
  // starts. 0 when the browser refuses the database (private browsing, no
  // room): the game then finds nothing and cannot save.
  fandriass_page_mount: function(path) {
    var folder = UTF8ToString(path);
    Page.folder = folder;
    return Page.databaseAnswer(function(answer) {
      FS.mkdirTree(folder);
      FS.mount(IDBFS, {}, folder);
      FS.syncfs(true, function(error) { answer(error ? 0 : 1); });
    });
  },

  // The page is going: every file of the records' folder goes to the
  // database in one transaction, begun before the page ends (the browser
  // finishes it), since nothing can be waited for any more. 1 when it began.
  fandriass_page_store_now: function() {
    try {
      var folder = Page.folder;
      var db = IDBFS.dbs[FS.lookupPath(folder).node.mount.mountpoint];
      if (!db) return 0;
      var transaction = db.transaction([IDBFS.DB_STORE_NAME], 'readwrite');
      var store = transaction.objectStore(IDBFS.DB_STORE_NAME);
      FS.readdir(folder).forEach(function(name) {
        var path = folder + '/' + name;
        var stat = FS.stat(path);
        if (!FS.isFile(stat.mode)) return;
        store.put(
            {'timestamp': stat.mtime, 'mode': stat.mode, 'contents': FS.readFile(path)}, path);
      });
      // Asked to commit now, the browser does not wait for the page to hear back.
      if (transaction.commit) transaction.commit();
      return 1;
    } catch (e) {
      return 0;
    }
  },

  // fsync: the program carries what it saved to the database itself, once a
  // save (fandriass_page_sync); Emscripten's own would carry the whole folder
  // again for every file, and wait for it where the page must not wait.
  fd_sync: function(fd) { return 0; },

  // Carries every file saved since the last time into the database: 1 once it
  // is there, 0 when the browser refused it.
  fandriass_page_sync: function() {
    return Page.databaseAnswer(function(answer) {
      FS.syncfs(false, function(error) { answer(error ? 0 : 1); });
    });
  },
};

autoAddDeps(LibraryFandriassPage, '$Page');
mergeInto(LibraryManager.library, LibraryFandriassPage);
