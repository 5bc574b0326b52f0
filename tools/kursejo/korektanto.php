<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Your corrector — Via korektanto</title>
<style>
body { font-family: "DejaVu Sans", sans-serif; max-width: 44em; margin: 2em auto; padding: 0 1em; line-height: 1.5; }
h1 { color: #2f7a45; }
h2 { color: #1f4e79; margin-top: 1.5em; }
code { background: #f1f1f1; padding: 0 .2em; }
</style>
</head>
<body>
<h1>Sending your answers to a human corrector</h1>
<p>The exercises of the course correct themselves. The <em>send pages</em>
(the pages with an envelope on their tab) ask you to write translations of
your own, and those are read by a person: a volunteer corrector who knows
Esperanto well and writes back to you, free of charge.</p>

<h2>How to send a page</h2>
<ol>
<li>Write your answers in the fields of the send page. You can stop at any
time: the program keeps what you typed for the next time.</li>
<li>Press the send button at the bottom of the page. The program copies the
lesson and page number, every question and your answer under it to the
clipboard, and says so.</li>
<li>Write an e-mail to your corrector and paste the copied text into it
(<code>Ctrl+V</code>). Add your name and the language you speak.</li>
</ol>

<h2>Finding a corrector</h2>
<p>Write to <code>korektantoj@lerbo.example.org</code> and say which language
you speak; you will be given the address of a corrector who reads it. Send
all your pages to the same corrector, so that they can follow your progress.</p>

<h2>Letters with accents</h2>
<p>If your e-mail program cannot show the Esperanto letters
(ĉ ĝ ĥ ĵ ŝ ŭ), choose the x-system (cx, gx, ...) or the h-system (ch, gh, ...)
on the settings page, under <em>Letters of the text sent to the corrector</em>;
the copied text then uses it.</p>

<h2>Esperanto</h2>
<p>La kurso mem korektas la ekzercojn. La respondojn de la sendaj paĝoj legas
homa korektanto: skribu viajn respondojn, premu la sendan butonon, kaj algluu
la kopiitan tekston en retleteron al via korektanto.</p>
</body>
</html>
