// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of a course, in its SCORM packages: finds the learning
// management system's run-time API, marks the attempt incomplete and then
// completed once answer 4 has been shown, keeps the case and the step
// reached so that a resumed attempt shows the same patient at the same
// step, and records the session time. The learner's language, where the
// LMS knows it, is the page's unless the learner chose another there. With
// data-practice="on" the student types each value before its worked answer,
// and the LMS gets a score (the share of the seven values right at their
// first check, 0 to 100), one interaction a value and one objective a
// question; where the LMS gives a mastery score, the attempt ends passed
// or failed by it once answer 4 has been shown or "end" pressed. The
// package's page loads it with data-scorm="1.2" or "2004".
//
// The LMS's mode decides what is written. An attempt the LMS opens for
// review (or without credit, once it holds it as finished) is shown as it
// ended where the LMS hands over what was kept, else begun again, and
// nothing of it is written; a preview ("browse") writes nothing either.
// The page then says so, as it does where no LMS takes the session. A
// status or a score the LMS holds is never lowered.
//
// An LMS that refuses or errs never stops the exercise, and nothing of it
// is shown. A value it refuses for its form or range is not offered again;
// one it failed to take for any other reason is offered with every later
// record until it is taken. Values are handed over once the page has
// shown the step, and committed (which an LMS may do by a request that
// holds the page) only when what a teacher sees changes: a first check,
// answer 4, the end, and when the page is hidden.
(() => {
  const calls = {
    '1.2': { api: 'API', initialize: 'LMSInitialize', get: 'LMSGetValue', set: 'LMSSetValue',
             commit: 'LMSCommit', finish: 'LMSFinish', error: 'LMSGetLastError',
             status: 'cmi.core.lesson_status', entry: 'cmi.core.entry', exit: 'cmi.core.exit',
             mode: 'cmi.core.lesson_mode', credit: 'cmi.core.credit',
             mastery: 'cmi.student_data.mastery_score',
             time: 'cmi.core.session_time', normal: '',
             language: 'cmi.student_preference.language', score: 'cmi.core.score',
             response: 'student_response', wrong: 'wrong',
             // Refused for its form or range, or never to be taken: not
             // offered again.
             refusals: ['201', '202', '203', '401', '402', '403', '405'] },
    2004: { api: 'API_1484_11', initialize: 'Initialize', get: 'GetValue', set: 'SetValue',
            commit: 'Commit', finish: 'Terminate', error: 'GetLastError',
            status: 'cmi.completion_status', success: 'cmi.success_status', entry: 'cmi.entry',
            exit: 'cmi.exit', mode: 'cmi.mode', credit: 'cmi.credit',
            mastery: 'cmi.scaled_passing_score',
            time: 'cmi.session_time', normal: 'normal',
            language: 'cmi.learner_preference.language', score: 'cmi.score',
            response: 'learner_response', wrong: 'incorrect',
            refusals: ['401', '402', '404', '405', '406', '407'] },
  }[document.currentScript.dataset.scorm];
  const v12 = calls.api === 'API';
  const practising = document.currentScript.dataset.practice === 'on';
  // A clock that a change of the computer's time does not move.
  const started = performance.now();

  // Each status in the order it may be raised: a status is only ever
  // replaced by one further on. SCORM 1.2 has one status; 2004 a
  // completion status and a success status.
  const completionOrder = v12 ? ['not attempted', 'browsed', 'incomplete', 'completed', 'failed', 'passed']
    : ['unknown', 'not attempted', 'incomplete', 'completed'];
  const successOrder = ['unknown', 'failed', 'passed'];
  const rank = (order, status) => Math.max(0, order.indexOf(status));
  const finished = (status) => rank(completionOrder, status) >= completionOrder.indexOf('completed');

  // The API in this window or the nearest parent that has it, else in the
  // opener's; a parent from another origin cannot be asked.
  function find(start) {
    for (let frame = start, n = 0; frame && n < 500; frame = frame.parent, n++) {
      try {
        if (frame[calls.api]) return frame[calls.api];
      } catch {
        return null;
      }
      if (frame.parent === frame) break;
    }
    return null;
  }
  const api = find(window) || (window.top.opener && find(window.top.opener));

  // One call: its result and the LMS's error code ("thrown" where the call
  // threw, as a general failure).
  function attempt(method, ...args) {
    try {
      const value = api[method](...args);
      return { value: String(value), code: String(api[calls.error]()) };
    } catch {
      return { value: null, code: 'thrown' };
    }
  }
  // A call's result where the LMS reports no error, else null.
  function call(method, ...args) {
    const { value, code } = attempt(method, ...args);
    return code === '0' ? value : null;
  }
  const get = (name) => call(calls.get, name);

  // A time span (ms) as the LMS takes it. 1.2: HHHH:MM:SS.SS; 2004: an
  // ISO 8601 duration, PT#H#M#S.
  function timespan(milliseconds) {
    const centiseconds = Math.max(0, Math.round(milliseconds / 10));
    const [hours, minutes, seconds] = [360000, 6000, 100].map((unit, i, units) =>
      Math.floor((centiseconds % (units[i - 1] || Infinity)) / unit));
    const fraction = String(centiseconds % 100).padStart(2, '0');
    if (v12) {
      const two = (n) => String(n).padStart(2, '0');
      return `${two(Math.min(hours, 9999))}:${two(minutes)}:${two(seconds)}.${fraction}`;
    }
    return `PT${hours}H${minutes}M${seconds}.${fraction}S`;
  }

  // The case and step the attempt was left at, as the page last saved them.
  function keptCase() {
    try {
      const kept = JSON.parse(get('cmi.suspend_data'));
      return kept && typeof kept.case === 'string' && Number.isInteger(kept.step) ? kept : null;
    } catch {
      return null;
    }
  }

  // Values the LMS has not yet taken, values it took since the last
  // commit, and the last value it took of each name (not offered again).
  const unsent = new Map();
  const uncommitted = new Map();
  const taken = new Map();
  let open = false;
  let writing = false;
  let commitWanted = false;
  function offer(values) {
    for (const [name, value] of Object.entries(values))
      if (taken.get(name) !== value) unsent.set(name, value);
      else unsent.delete(name);
  }
  // Hands the unsent values over and, where a teacher-visible value has
  // changed, commits them with the session time. A failed commit offers
  // them again.
  function flush() {
    if (!writing) return;
    for (const [name, value] of [...unsent]) {
      const { code } = attempt(calls.set, name, value);
      if (code === '0') {
        taken.set(name, value);
        uncommitted.set(name, value);
      }
      if (code === '0' || calls.refusals.includes(code)) unsent.delete(name);
    }
    if (!commitWanted) return;
    attempt(calls.set, calls.time, timespan(performance.now() - started));
    if (call(calls.commit, '') === null) {
      for (const [name, value] of uncommitted) if (!unsent.has(name)) unsent.set(name, value);
      for (const name of uncommitted.keys()) taken.delete(name);
    } else {
      commitWanted = false;
    }
    uncommitted.clear();
  }

  // A step's values are handed over once the page has painted the step.
  let scheduled = false;
  function recordLater(values, commit = false) {
    offer(values);
    commitWanted = commitWanted || commit;
    if (scheduled) return;
    scheduled = true;
    requestAnimationFrame(() => setTimeout(() => {
      scheduled = false;
      flush();
    }, 0));
  }

  // What the launch is: a session the page records, a finished attempt to
  // show or begin again, a preview, or no session at all.
  open = !!api && call(calls.initialize, '') === 'true';
  const mode = open ? get(calls.mode) : null;
  const credit = open ? get(calls.credit) : null;
  const held = { status: open ? get(calls.status) || '' : '',
                 success: open && !v12 ? get(calls.success) || '' : '' };
  const reviewing = open && (mode === 'review' || (credit === 'no-credit' && (finished(held.status) ||
                                                                              held.success === 'passed')));
  const previewing = open && mode === 'browse';
  writing = open && !reviewing && !previewing;
  const recording = !open ? 'unrecorded' : previewing ? 'preview' : reviewing ? 'finished' : '';
  // Only a resumed attempt has a case to come back to; one under review
  // shows the case the LMS kept, however it was left.
  const kept = reviewing || (writing && get(calls.entry) === 'resume') ? keptCase() : null;
  const language = open ? get(calls.language) : null;

  window.addEventListener('compartica:starting', (event) => {
    Object.assign(event.detail, { course: true, practice: practising, recording });
    if (language) event.detail.learnerLanguage = language;
    if (kept)
      Object.assign(event.detail, { case: kept.case, linked: !!kept.linked, resumed: true,
                                    step: kept.step, record: String(kept.practice || '') });
    if (kept && reviewing) Object.assign(event.detail, { showOnly: true, recording: 'finished-shown' });
  });

  // The LMS's mastery score as a share (0 to 1), where it gives one.
  const masteryText = writing ? get(calls.mastery) : null;
  const mastery = masteryText === null || masteryText.trim() === '' || !Number.isFinite(Number(masteryText))
    ? null : Number(masteryText) / (v12 ? 100 : 1);
  const heldRaw = writing ? get(`${calls.score}.raw`) : null;
  const heldScore = heldRaw ? Number(heldRaw) : null;
  let score = null;

  // A status offered where it raises the one the LMS holds.
  function raise(name, order, status) {
    const key = name === calls.status ? 'status' : 'success';
    if (rank(order, status) <= rank(order, held[key])) return;
    held[key] = status;
    offer({ [name]: status });
  }
  if (writing) raise(calls.status, completionOrder, 'incomplete');

  // Passed or failed by the mastery score, once the attempt is over.
  function judge() {
    if (mastery === null || !practising) return;
    const verdict = (score ?? heldScore ?? 0) / 100 >= mastery ? 'passed' : 'failed';
    if (v12) raise(calls.status, completionOrder, verdict);
    else raise(calls.success, successOrder, verdict);
  }

  // The suspend data: the case, the step and, in practice, what was typed
  // and checked (a short line, well within 1.2's 4096 characters); and
  // each question's objective once it has been answered or checked.
  // An objective the LMS holds with a status further on (from an earlier
  // launch over a finished attempt) is left as it is.
  const objectives = new Map();
  const objectiveStatus = v12 ? 'status' : 'success_status';
  const objectiveOrder = v12 ? completionOrder : successOrder;
  const objectiveCount = writing ? Number(get('cmi.objectives._count')) || 0 : 0;
  for (let n = 0; n < objectiveCount; n++)
    objectives.set(get(`cmi.objectives.${n}.id`), { n, status: get(`cmi.objectives.${n}.${objectiveStatus}`) });
  function objectiveValues(outcome) {
    if (!objectives.has(outcome.id)) objectives.set(outcome.id, { n: objectives.size, status: '' });
    const { n, status } = objectives.get(outcome.id);
    const at = `cmi.objectives.${n}`;
    const values = { [`${at}.id`]: outcome.id };
    const judged = practising && outcome.answerShown ? (outcome.score === 100 ? 'passed' : 'failed') : null;
    const completion = outcome.answerShown ? 'completed' : 'incomplete';
    if (rank(objectiveOrder, v12 ? judged || completion : judged || 'unknown') < rank(objectiveOrder, status))
      return {};
    if (v12) values[`${at}.status`] = judged || completion;
    else Object.assign(values, { [`${at}.completion_status`]: completion,
                                 [`${at}.success_status`]: judged || 'unknown' });
    if (practising) {
      Object.assign(values, { [`${at}.score.min`]: '0', [`${at}.score.max`]: '100',
                              [`${at}.score.raw`]: String(outcome.score) });
      if (!v12) values[`${at}.score.scaled`] = String(outcome.score / 100);
    }
    return values;
  }
  window.addEventListener('compartica:step', (event) => {
    const { case: name, linked, step, record: typed, outcomes } = event.detail;
    const saved = practising ? { case: name, linked, step, practice: typed } : { case: name, linked, step };
    const values = { 'cmi.suspend_data': JSON.stringify(saved) };
    for (const outcome of outcomes || [])
      if (outcome.answerShown || outcome.checked) Object.assign(values, objectiveValues(outcome));
    recordLater(values);
  });

  // Each value's first check is the next interaction, after any a resumed
  // attempt already holds. A 2004 response is a decimal of at most 5 whole
  // digits and 7 decimals, as the common LMSs take it; any other is left
  // out, and its result kept.
  let interactions = writing ? Number(get('cmi.interactions._count')) || 0 : 0;
  window.addEventListener('compartica:checked', (event) => {
    const { id, response, correct, correctResponse, acceptedLow, acceptedHigh, latency,
            description } = event.detail;
    const at = `cmi.interactions.${interactions++}`;
    const values = { [`${at}.id`]: id, [`${at}.type`]: 'numeric', [`${at}.weighting`]: '1' };
    if (v12 || /^-?\d{1,5}(\.\d{1,7})?$/.test(response)) values[`${at}.${calls.response}`] = response;
    Object.assign(values, { [`${at}.result`]: correct ? 'correct' : calls.wrong,
                            [`${at}.correct_responses.0.pattern`]: v12 ? correctResponse
                              : `${acceptedLow}[:]${acceptedHigh}`,
                            [`${at}.latency`]: timespan(latency) });
    if (!v12) values[`${at}.description`] = description;
    recordLater(values, true);
  });
  // A score below one the LMS holds (a new patient's first wrong check
  // over an earlier launch's) is not written.
  window.addEventListener('compartica:score', (event) => {
    score = event.detail.score;
    if (heldScore !== null && score <= heldScore) return;
    const scaled = v12 ? {} : { [`${calls.score}.scaled`]: String(score / 100) };
    recordLater(Object.assign({ [`${calls.score}.min`]: '0', [`${calls.score}.max`]: '100',
                                [`${calls.score}.raw`]: String(score) }, scaled), true);
  });
  window.addEventListener('compartica:complete', () => {
    if (!writing) return;
    if (!v12 || mastery === null || !practising) raise(calls.status, completionOrder, 'completed');
    judge();
    recordLater({}, true);
  });
  // A page hidden (a phone's tab switched away) may never come back: what
  // it has is committed.
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState !== 'hidden' || (!unsent.size && !uncommitted.size)) return;
    commitWanted = true;
    flush();
  });
  // "end" finishes the attempt; leaving the page in any other way
  // suspends it, to be resumed at the same step. What the LMS has not
  // taken yet is offered a few times more before the session ends.
  window.addEventListener('compartica:closing', (event) => {
    if (!open) return;
    if (writing) {
      if (event.detail.ended) judge();
      offer({ [calls.exit]: event.detail.ended ? calls.normal : 'suspend' });
      for (let tries = 0; tries < 3; tries++) {
        commitWanted = true;
        flush();
        if (!commitWanted && !unsent.size) break;
      }
    }
    call(calls.finish, '');
    open = false;
    writing = false;
  });
})();
